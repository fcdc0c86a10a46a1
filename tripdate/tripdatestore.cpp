#include "tripdatestore.h"

#include "safefile/filewatch.h"

TripDateStore::TripDateStore(QString path, std::function<DateContext()> context, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_context(std::move(context))
{
    connect(new FileWatch(m_path, this), &FileWatch::changed, this, &TripDateStore::follow);
}

void TripDateStore::load() { tell(loadTripDate(m_path, m_context())); }

bool TripDateStore::save(const TripDate &tripDate) { return tell(saveTripDate(m_path, tripDate)); }

bool TripDateStore::tell(const TripDateResult &result)
{
    if (result.failure)
        emit failed(*result.failure);
    if (!result.tripDate)
        return false;
    m_text = result.tripDate->text;
    emit changed(*result.tripDate);
    return true;
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
