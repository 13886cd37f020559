#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

#include <iostream>

namespace {

// Tests keep their files in temporary folders of their own: a test that creates or rewrites a file
// beside the test program (a settings file, a scratch picture) is named, and the run fails.
class NothingWrittenBesideTheProgram : public ::testing::EmptyTestEventListener {
public:
    bool Clean() const { return offenders_.isEmpty(); }
    const QStringList& Offenders() const { return offenders_; }

private:
    using Snapshot = QMap<QString, QDateTime>;

    static Snapshot Take()
    {
        Snapshot files;
        const QDir folder(QCoreApplication::applicationDirPath());
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden))
            files.insert(file.fileName(), file.lastModified());
        return files;
    }
    void OnTestStart(const ::testing::TestInfo&) override { before_ = Take(); }
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        const Snapshot after = Take();
        for (auto file = after.cbegin(); file != after.cend(); ++file)
            if (!before_.contains(file.key()) || before_.value(file.key()) != file.value())
                offenders_ << QStringLiteral("%1.%2 wrote %3 beside the test program")
                                  .arg(QString::fromUtf8(test.test_suite_name()), QString::fromUtf8(test.name()),
                                       file.key());
    }

    Snapshot before_;
    QStringList offenders_;
};

} // namespace

int main(int argc, char** argv)
{
    // gtest_discover_tests runs the binary at build time, outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    auto* check = new NothingWrittenBesideTheProgram; // owned by the listener list
    ::testing::UnitTest::GetInstance()->listeners().Append(check);
    const int result = RUN_ALL_TESTS();
    for (const QString& offender : check->Offenders())
        std::cerr << offender.toStdString() << '\n';
    return check->Clean() ? result : 1;
}
