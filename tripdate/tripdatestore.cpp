#include "tripdatestore.h"

#include "safefile/filewatch.h"

TripDateStore::TripDateStore(QString path, std::function<DateContext()> context, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_context(std::move(context))
{
    connect(new FileWatch(m_path, this), &FileWatch::changed, this, &TripDateStore::follow);
}

void TripDateStore::load()
{
    const TripDateResult loaded = loadTripDate(m_path, m_context());
    if (loaded.failure)
        emit failed(*loaded.failure);
    if (loaded.tripDate)
        tell(*loaded.tripDate);
}

std::optional<TripDateFailure> TripDateStore::save(const TripDate &tripDate)
{
    const TripDateResult saved = saveTripDate(m_path, tripDate);
    if (saved.tripDate)
        tell(*saved.tripDate);
    return saved.failure;
}

void TripDateStore::tell(const TripDate &tripDate)
{
    m_text = tripDate.text;
    emit changed(tripDate);
}

// The watch also sees the store's own saves, which hold the date it has already.
void TripDateStore::follow()
{
    const TripDateResult stored = loadTripDate(m_path, m_context());
    if (stored.tripDate && stored.tripDate->text != m_text)
        tell(*stored.tripDate);
}
