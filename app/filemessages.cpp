#include "filemessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <clocale>
#include <cstring>

namespace {

constexpr qsizetype kQuotedTextMaxLength = 40;
const char *const kCannotWrite =
    QT_TRANSLATE_NOOP("TripDate", "%1 cannot be written: %2.\n\nThe trip date stays as it was.");

QString whatToDo() { return FileMessages::tr("\n\nChoose Setup Date to set the trip date."); }

// A file that is too large, or changed as it was opened or saved, a save replaces; one that
// cannot be opened, or stands where no save may go, it cannot: the user has to see to the file
// or the place first, and another user's file or link in a shared directory is not theirs to
// see to. Once the file holds a date, the running counter follows it. A disk that is full or
// fails says what helps in its reason.
QString whatToDoAbout(const FileProblem &problem)
{
    using Refusal = FileProblem::Refusal;
    switch (problem.refusal) {
    case Refusal::TooLarge:
    case Refusal::Changed:
        return whatToDo();
    case Refusal::ForeignLink:
    case Refusal::ForeignFile:
        return FileMessages::tr("\n\nStart the counter in a directory of your own.");
    case Refusal::None:
        if (problem.error == ENOSPC || problem.error == EDQUOT || problem.error == EIO
            || problem.error == EFBIG)
            return {};
        [[fallthrough]];
    default:
        return FileMessages::tr(
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
        return FileMessages::tr("there is no such file or directory");
    case EACCES:
    case EPERM:
        return FileMessages::tr("permission is denied");
    case EISDIR:
        return FileMessages::tr("it is a directory");
    case ENOTDIR:
        return FileMessages::tr("a part of its path is not a directory");
    case ELOOP:
        return FileMessages::tr("it leads through too many links");
    case EROFS:
        return FileMessages::tr("its file system is read-only");
    case ENOSPC:
        return FileMessages::tr("there is no space left on the disk");
    case EDQUOT:
        return FileMessages::tr("the disk quota is used up");
    case EIO:
        return FileMessages::tr("the disk could not be read or written");
    case EFBIG:
        return FileMessages::tr("it would be too large for its file system");
    case ENAMETOOLONG:
        return FileMessages::tr("its name is too long");
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
        return FileMessages::tr(
            "it is a link that another user made, in a directory that others may write to");
    case Refusal::ForeignFile:
        return FileMessages::tr(
            "it is a file that another user owns, in a directory that others may write to");
    case Refusal::SharedHardLink:
        return FileMessages::tr(
            "it is a hard link to a file elsewhere, in a directory that others may write to");
    case Refusal::NotRegularFile:
        return FileMessages::tr("it is not a regular file");
    case Refusal::LinkLoop:
        return FileMessages::tr("its links lead round in a circle");
    case Refusal::LeadsNowhere:
        return FileMessages::tr("the directory it would be in does not exist");
    case Refusal::Changed:
        return saving ? FileMessages::tr("it changed while it was being saved")
                      : FileMessages::tr("it changed while it was being opened");
    case Refusal::TooLarge:
        return FileMessages::tr("it is too large to be a trip date file");
    case Refusal::NothingWritten:
        return FileMessages::tr("its file system took nothing that was written to it");
    case Refusal::AttributeKept:
        return FileMessages::tr(
            "it carries an extended attribute that the counter may not give a new copy of it");
    }
    // Where links put the file in another directory, that directory is the one to see to.
    if (!problem.directory.isEmpty()
        && problem.directory != QFileInfo(path).absoluteDir().canonicalPath())
        return FileMessages::tr("%1 in %2, the directory its link leads to")
            .arg(systemReason(problem.error, english), QDir::toNativeSeparators(problem.directory));
    return systemReason(problem.error, english);
}

// A message of the trip date file, and whether it is English: in a language the program does
// not speak, all of it is.
std::pair<QString, bool> sentence(const char *text)
{
    const QString translated = FileMessages::tr(text);
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
    const QString phrase = FileMessages::tr("The trip date file \"%1\" in %2");
    // A name or a directory within text written from right to left keeps its own order
    // ("/home/user", not "home/user/"): each stands apart, as Unicode's isolates set it.
    const auto apart = [&](const QString &name) {
        return phrase.isRightToLeft() ? QChar(0x2068) + name + QChar(0x2069) : name;
    };
    return phrase.arg(apart(file.fileName()), apart(QDir::toNativeSeparators(file.absolutePath())));
}

QString FileMessages::describe(const QString &path, const TripDateFailure &failure)
{
    using Kind = TripDateFailure::Kind;
    switch (failure.kind) {
    case Kind::CannotRead: {
        const auto [message, english] = sentence(QT_TR_NOOP("%1 cannot be read: %2.%3"));
        return message.arg(fileNamed(path), reason(path, failure.problem, false, english),
                           whatToDoAbout(failure.problem));
    }
    case Kind::TooLong:
        return tr("%1 holds a text too long to be a date.%2").arg(fileNamed(path), whatToDo());
    case Kind::NotADate:
        return tr("%1 holds \"%2\", which is not a date.%3")
            .arg(fileNamed(path), shownText(failure.text), whatToDo());
    case Kind::CannotWrite: {
        const auto [message, english] = sentence(kCannotWrite);
        return message.arg(fileNamed(path), reason(path, failure.problem, true, english))
               + whatToDoAbout(failure.problem);
    }
    case Kind::NotUnicode:
        return sentence(kCannotWrite)
            .first.arg(fileNamed(path), tr("the date is not valid Unicode"));
    }
    return {};
}
