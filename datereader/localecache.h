#pragma once

#include <QCache>
#include <QLocale>
#include <QString>

#include <memory>

// What the date reader (and the trip date's text) makes once for a locale, kept for the last few
// locales it was asked for: making it takes ICU a few milliseconds, and the program reads its
// dates in one locale or a few. A value is handed out shared, so that it outlives its place here
// however many others come meanwhile.
template <typename Value> class LocaleCache
{
public:
    explicit LocaleCache(int most) : m_kept(most) {}

    // The value for `locale` and what else `more` names ("buddhist"), made by `make` (which
    // returns a shared value, or none) where none is kept.
    template <typename Make>
    std::shared_ptr<const Value> get(const QLocale &locale, const QString &more, Make make)
    {
        // The name alone leaves out a script or a variant that the BCP 47 name has.
        const QString key = locale.name() + u' ' + locale.bcp47Name() + u' ' + more;
        if (const std::shared_ptr<const Value> *kept = m_kept.object(key))
            return *kept;
        std::shared_ptr<const Value> made = make();
        m_kept.insert(key, new std::shared_ptr<const Value>(made));
        return made;
    }

private:
    QCache<QString, std::shared_ptr<const Value>> m_kept;
};
