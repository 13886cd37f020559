// Any bytes as parametres.inf in the program folder: loading never fails, every used line gives a
// value, and what is written back loads as the same lines.
#include "fuzz_check.h"
#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> folders;

QString Folder(const char* name)
{
    const QString path = folders->path() + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    folders = std::make_unique<QTemporaryDir>();
    return folders->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString programFolder = Folder("program");
    QFile file(programFolder + QLatin1String(dds::kSettingsFileName));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
    file.close();

    dds::SettingsFile settings(programFolder, Folder("user"));
    settings.LoadSettings();
    FUZZ_CHECK(settings.Lines() == dds::ParseSettingsLines(content));
    (void)settings.LanguageCode();
    (void)settings.WaveFileFolder();
    for (const QByteArray& line : settings.Lines())
        FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'));

    settings.SaveSettings();
    dds::SettingsFile reloaded(programFolder, Folder("user"));
    reloaded.LoadSettings();
    FUZZ_CHECK(reloaded.Lines() == settings.Lines());
    return 0;
}
