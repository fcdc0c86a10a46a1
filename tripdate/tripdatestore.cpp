#include "tripdatestore.h"

#include "safefile/filewatch.h"

TripDateStore::TripDateStore(QString path, std::function<DateContext()> context, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_context(std::move(context))
{
    connect(new FileWatch(m_path, this), &FileWatch::changed, this, &TripDateStore::follow);
}

TripDateResult TripDateStore::load() { return hold(loadTripDate(m_path, m_context())); }

TripDateResult TripDateStore::save(const TripDate &tripDate)
{
    return hold(saveTripDate(m_path, tripDate));
}

TripDateResult TripDateStore::hold(TripDateResult result)
{
    if (result.tripDate)
        m_text = result.tripDate->text;
    return result;
}

// The watch also sees the store's own saves, which hold the date it has already.
void TripDateStore::follow()
{
    const TripDateResult stored = loadTripDate(m_path, m_context());
    if (stored.tripDate && stored.tripDate->text != m_text) {
        m_text = stored.tripDate->text;
        emit changed(*stored.tripDate);
    }
}
