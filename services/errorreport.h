#pragma once

#include <QString>

// Tells the user that something went wrong, in one message they acknowledge.
class ErrorReport
{
public:
    virtual ~ErrorReport() = default;
    virtual void report(const QString &message) = 0;
};
