#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <limits>
#include <stdexcept>

#include "editor/file_contents.h"

namespace dds {

namespace {

QString WithTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void CheckLineNumber(int number)
{
    if (number < 1 || number > kSettingsLineCount)
        throw std::out_of_range("settings line " + std::to_string(number) + " does not exist");
}

// Whether a file can be created in `folder` right now: tried, not guessed from the permission bits,
// which root ignores and an immutable or missing folder does not show.
bool FolderTakesFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("ddsgen-probe-XXXXXX"));
    return probe.open();
}

QString ErrorText(const QString& path, const QString& reason)
{
    return QStringLiteral("Erreur d'entrée/sortie : impossible d'écrire « %1 » (%2)").arg(path, reason);
}

} // namespace

SettingsLines ParseSettingsLines(const QByteArray& content)
{
    SettingsLines lines;
    qsizetype pos = 0;
    for (int i = 0; i < kSettingsLineCount && pos < content.size(); ++i) {
        qsizetype end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        lines[i] = content.mid(pos, end - pos);
        pos = end;
        if (pos < content.size() && content[pos] == '\r')
            ++pos;
        if (pos < content.size() && content[pos] == '\n')
            ++pos;
    }
    return lines;
}

QByteArray SerializeSettingsLines(const SettingsLines& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

int LanguageCodeFromLine(const QByteArray& line)
{
    bool ok = false;
    const qlonglong value = line.trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return kFrenchLanguage;
    return static_cast<int>(value);
}

QString ProgramFolder()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString UserSettingsFolder()
{
    // Per-user settings: %APPDATA% (roaming) on Windows, the configuration folder elsewhere.
    constexpr QStandardPaths::StandardLocation kLocation =
#if defined(Q_OS_WIN)
        QStandardPaths::AppDataLocation;
#else
        QStandardPaths::AppConfigLocation;
#endif
    return WithTrailingSeparator(QStandardPaths::writableLocation(kLocation));
}

ScratchLocation ScratchFolder(const QString& programFolder, const QString& userFolder)
{
    const QString program = WithTrailingSeparator(programFolder);
    if (FolderTakesFiles(program))
        return {program};
    const QString user = WithTrailingSeparator(userFolder);
    if (QDir().mkpath(user) && FolderTakesFiles(user))
        return {user};
    return {WithTrailingSeparator(QDir::tempPath()), true};
}

SettingsFile::SettingsFile(QString programFolder, QString userFolder)
    : programFolder_(WithTrailingSeparator(std::move(programFolder))),
      userFolder_(WithTrailingSeparator(std::move(userFolder)))
{
}

void SettingsFile::LoadSettings()
{
    // Each copy of the program keeps its own file beside it; only a copy whose folder cannot be
    // written (an installed one) keeps it in the user's folder, starting from the file beside it.
    useUserFolder_ = !FolderTakesFiles(programFolder_);
    const QString userFile = userFolder_ + kSettingsFileName;
    QFile file(useUserFolder_ && QFileInfo::exists(userFile) ? userFile : programFolder_ + kSettingsFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        lines_ = SettingsLines{};
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(
            QStringLiteral("Erreur d'entrée/sortie : lecture de « %1 » impossible (%2)")
                .arg(file.fileName(), file.errorString())
                .toStdString());
    lines_ = ParseSettingsLines(content);
}

void SettingsFile::SaveSettings()
{
    if (!useUserFolder_) {
        try {
            WriteTo(programFolder_);
            return;
        } catch (const SettingsWriteError&) {
            useUserFolder_ = true;
        }
    }
    if (!QDir().mkpath(userFolder_)) {
        throw SettingsWriteError(
            ErrorText(userFolder_, QStringLiteral("dossier impossible à créer")).toStdString());
    }
    WriteTo(userFolder_);
}

void SettingsFile::WriteTo(const QString& folder) const
{
    const QString path = folder + kSettingsFileName;
    try {
        ReplaceFileContents(path, SerializeSettingsLines(lines_));
    } catch (const FileContentsError& e) {
        throw SettingsWriteError(ErrorText(path, QString::fromStdString(e.what())).toStdString());
    }
}

const QByteArray& SettingsFile::Line(int number) const
{
    CheckLineNumber(number);
    return lines_[number - 1];
}

void SettingsFile::SetLine(int number, const QByteArray& text)
{
    CheckLineNumber(number);
    // A line break inside a value would shift every later line at the next start.
    if (text.contains('\r') || text.contains('\n'))
        throw std::invalid_argument("a settings line cannot hold a line break");
    lines_[number - 1] = text;
}

int SettingsFile::LanguageCode() const
{
    return LanguageCodeFromLine(Line(kLanguageLine));
}

QString SettingsFile::WaveFileFolder() const
{
    return QFile::decodeName(Line(kWaveFileFolderLine));
}

void SettingsFile::SetWaveFileFolder(const QString& folder)
{
    SetLine(kWaveFileFolderLine, QFile::encodeName(folder));
}

QString SettingsFile::FilePath() const
{
    return (useUserFolder_ ? userFolder_ : programFolder_) + kSettingsFileName;
}

} // namespace dds
