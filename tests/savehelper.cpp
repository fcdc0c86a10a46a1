// Saves trip dates through the program's own writer, in a loop, until it is killed.
// usage: savehelper PATH  (it prints "saving" once, when the loop begins)

#include "tripdate/tripdatefile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString dates[] = {QStringLiteral("12/12/2005"), QStringLiteral("Dec 24, 2030")};
    std::puts("saving");
    std::fflush(stdout);
    for (unsigned i = 0;; ++i) {
        if (!writeTripDateFile(path, dates[i % 2]).isEmpty())
            return 1;
    }
}
