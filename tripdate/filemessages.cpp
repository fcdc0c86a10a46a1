#include "filemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <clocale>
#include <cstring>

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

// The system's reason for an error, in the program's own words where it has them, so that they
// are in the user's language like the rest of the message: the C library speaks few of the
// program's languages, and writes a reason as a sentence of its own ("Permission denied"). Any
// other reason is the system's, in English where the message around it is English.
QString systemReason(int error, bool english)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("TripDate", "there is no such file or directory");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("TripDate", "permission is denied");
    case EISDIR:
        return QCoreApplication::translate("TripDate", "it is a directory");
    case ENOTDIR:
        return QCoreApplication::translate("TripDate", "a part of its path is not a directory");
    case ELOOP:
        return QCoreApplication::translate("TripDate", "it leads through too many links");
    case EROFS:
        return QCoreApplication::translate("TripDate", "its file system is read-only");
    case ENOSPC:
        return QCoreApplication::translate("TripDate", "there is no space left on the disk");
    case EDQUOT:
        return QCoreApplication::translate("TripDate", "the disk quota is used up");
    case EIO:
        return QCoreApplication::translate("TripDate", "the disk could not be read or written");
    case EFBIG:
        return QCoreApplication::translate("TripDate", "it would be too large for its file system");
    case ENAMETOOLONG:
        return QCoreApplication::translate("TripDate", "its name is too long");
    default:
        break;
    }
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    return english && c ? QString::fromLocal8Bit(::strerror_l(error, c)) : qt_error_string(error);
}

// Why the file cannot be used, as a clause: "it is not a regular file". `english` says whether
// the message around it is.
QString reason(const QString &path, const FileProblem &problem, bool saving, bool english)
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
            .arg(systemReason(problem.error, english), QDir::toNativeSeparators(problem.directory));
    return systemReason(problem.error, english);
}

// A message of the trip date file, and whether it is English: in a language the program does
// not speak, all of it is.
std::pair<QString, bool> sentence(const char *text)
{
    const QString translated = QCoreApplication::translate("TripDate", text);
    return {translated, translated == QLatin1String(text)};
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
    const auto [message, english] = sentence(QT_TRANSLATE_NOOP("TripDate", "%1 cannot be read: %2.%3"));
    return message.arg(fileNamed(path), reason(path, problem, false, english), whatToDoAbout(problem));
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
const char *const kCannotWrite =
    QT_TRANSLATE_NOOP("TripDate", "%1 cannot be written: %2.\n\nThe trip date stays as it was.");
} // namespace

QString FileMessages::cannotWrite(const QString &path, const FileProblem &problem)
{
    const auto [message, english] = sentence(kCannotWrite);
    return message.arg(fileNamed(path), reason(path, problem, true, english));
}

QString FileMessages::notUnicode(const QString &path)
{
    return sentence(kCannotWrite)
        .first.arg(fileNamed(path),
                   QCoreApplication::translate("TripDate", "the date is not valid Unicode"));
}
