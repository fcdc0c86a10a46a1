#include "filemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype kQuotedTextMaxLength = 40;

QString whatToDo()
{
    return QCoreApplication::translate("TripDate", "\n\nChoose Setup Date to set the trip date.");
}

// A file that is too large, or changed as it was opened, a save replaces; one that
// cannot be opened, or stands where no save may go, it cannot: the user has to see to the file
// or the place first. Once the file holds a date, the running counter follows it.
QString whatToDoAbout(const FileProblem &problem)
{
    using Refusal = FileProblem::Refusal;
    switch (problem.refusal) {
    case Refusal::TooLarge:
    case Refusal::Changed:
        return whatToDo();
    default:
        return QCoreApplication::translate(
            "TripDate",
            "\n\nMake it a regular file that you may read and write, or start the counter in "
            "another directory.");
    }
}

// Why the file cannot be used, as a clause: "it is not a regular file".
QString reason(const QString &path, const FileProblem &problem, bool saving)
{
    using Refusal = FileProblem::Refusal;
    switch (problem.refusal) {
    case Refusal::None:
        break;
    case Refusal::ForeignLink:
        return QCoreApplication::translate(
            "TripDate",
            "it is a link that another user made, in a directory that others may write to");
    case Refusal::SharedHardLink:
        return QCoreApplication::translate(
            "TripDate",
            "it is a hard link to a file elsewhere, in a directory that others may write to");
    case Refusal::NotRegularFile:
        return QCoreApplication::translate("TripDate", "it is not a regular file");
    case Refusal::LinkLoop:
        return QCoreApplication::translate("TripDate", "its links lead round in a circle");
    case Refusal::LeadsNowhere:
        return QCoreApplication::translate("TripDate",
                                           "the directory it would be in does not exist");
    case Refusal::Changed:
        return saving
                   ? QCoreApplication::translate("TripDate", "it changed while it was being saved")
                   : QCoreApplication::translate("TripDate",
                                                 "it changed while it was being opened");
    case Refusal::TooLarge:
        return QCoreApplication::translate("TripDate", "it is too large to be a trip date file");
    case Refusal::NothingWritten:
        return QCoreApplication::translate("TripDate",
                                           "its file system took nothing that was written to it");
    }
    // Where links put the file in another directory, that directory is the one to see to.
    if (!problem.directory.isEmpty()
        && problem.directory != QFileInfo(path).absoluteDir().canonicalPath())
        return QCoreApplication::translate("TripDate", "%1 in %2, the directory its link leads to")
            .arg(qt_error_string(problem.error), QDir::toNativeSeparators(problem.directory));
    return qt_error_string(problem.error);
}

// The file's text as a message can show it: short, and on one line.
QString shownText(QString text)
{
    if (text.size() > kQuotedTextMaxLength)
        text = text.first(kQuotedTextMaxLength) + QChar(0x2026); // ellipsis
    for (QChar &c : text) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

QString FileMessages::fileNamed(const QString &path)
{
    const QFileInfo file(path);
    const QString phrase =
        QCoreApplication::translate("TripDate", "The trip date file \"%1\" in %2");
    // A name or a directory within text written from right to left keeps its own order
    // ("/home/user", not "home/user/"): each stands apart, as Unicode's isolates set it.
    const auto apart = [&](const QString &name) {
        return phrase.isRightToLeft() ? QChar(0x2068) + name + QChar(0x2069) : name;
    };
    return phrase.arg(apart(file.fileName()),
                      apart(QDir::toNativeSeparators(file.absolutePath())));
}

QString FileMessages::cannotRead(const QString &path, const FileProblem &problem)
{
    return QCoreApplication::translate("TripDate", "%1 cannot be read: %2.%3")
        .arg(fileNamed(path), reason(path, problem, false), whatToDoAbout(problem));
}

QString FileMessages::tooLong(const QString &path)
{
    return QCoreApplication::translate("TripDate", "%1 holds a text too long to be a date.%2")
        .arg(fileNamed(path), whatToDo());
}

QString FileMessages::notADate(const QString &path, const QString &text)
{
    return QCoreApplication::translate("TripDate", "%1 holds \"%2\", which is not a date.%3")
        .arg(fileNamed(path), shownText(text), whatToDo());
}

namespace {
QString cannotWriteBecause(const QString &path, const QString &why)
{
    return QCoreApplication::translate(
               "TripDate", "%1 cannot be written: %2.\n\nThe trip date stays as it was.")
        .arg(FileMessages::fileNamed(path), why);
}
} // namespace

QString FileMessages::cannotWrite(const QString &path, const FileProblem &problem)
{
    return cannotWriteBecause(path, reason(path, problem, true));
}

QString FileMessages::notUnicode(const QString &path)
{
    return cannotWriteBecause(path,
                              QCoreApplication::translate("TripDate", "the date is not valid Unicode"));
}
