#include "tripdatestore.h"

#include "safefile/filewatch.h"

TripDateStore::TripDateStore(QString path, std::function<DateContext()> context, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_context(std::move(context))
{
    connect(new FileWatch(m_path, this), &FileWatch::changed, this, &TripDateStore::follow);
}

TripDateResult TripDateStore::load() { return tell(loadTripDate(m_path, m_context())); }

TripDateResult TripDateStore::save(const TripDate &tripDate)
{
    return tell(saveTripDate(m_path, tripDate));
}

TripDateResult TripDateStore::tell(TripDateResult result)
{
    if (const auto *tripDate = std::get_if<TripDate>(&result); tripDate && m_told != *tripDate) {
        m_told = *tripDate;
        emit changed(*tripDate);
    }
    return result;
}

// The watch also sees the store's own saves, which hold the date it has already.
void TripDateStore::follow() { tell(loadTripDate(m_path, m_context())); }
