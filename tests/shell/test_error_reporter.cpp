#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#include "shell/error_reporter.h"

namespace {

// Records every reported message instead of showing the modal box, for the test's lifetime.
class RecordedErrors {
public:
    RecordedErrors() : previous_(dds::ErrorReporter::setSink([this](const QString& m) { messages << m; })) {}
    ~RecordedErrors() { dds::ErrorReporter::setSink(previous_); }
    QStringList messages;

private:
    dds::ErrorSink previous_;
};

TEST(ErrorBoxText, AddsAFullStopOnlyAfterACharacterSortingAfterThePoint)
{
    EXPECT_EQ(dds::ErrorBoxText("Fichier introuvable"), "Fichier introuvable.");
    EXPECT_EQ(dds::ErrorBoxText("valeur 12"), "valeur 12.");
    EXPECT_EQ(dds::ErrorBoxText("Fin."), "Fin.");
    EXPECT_EQ(dds::ErrorBoxText("(rien)"), "(rien)");
    EXPECT_EQ(dds::ErrorBoxText("Attention !"), "Attention !");
    EXPECT_EQ(dds::ErrorBoxText(""), "");
}

TEST(ErrorReporter, AGuardedHandlerReportsItsErrorAndTheNextEventStillRuns)
{
    RecordedErrors errors;
    QToolButton button;
    int runs = 0;
    QObject::connect(&button, &QToolButton::clicked, &button, dds::Guarded([&] {
                         ++runs;
                         if (runs == 1)
                             throw std::runtime_error("Propriété TJvDialButton hors limites");
                     }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(errors.messages, QStringList{"Propriété TJvDialButton hors limites"});
}

TEST(ErrorReporter, AGuardedHandlerReceivesTheSignalArgumentsItAccepts)
{
    RecordedErrors errors;
    QToolButton button;
    button.setCheckable(true);
    std::vector<bool> seen;
    QObject::connect(&button, &QToolButton::toggled, &button, dds::Guarded([&](bool on) { seen.push_back(on); }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_TRUE(errors.messages.isEmpty());
}

// A receiver whose member handlers take all of a signal's arguments or none of them.
class Receiver : public QToolButton {
public:
    std::vector<bool> toggles;
    int clicks = 0;
    void Toggled(bool on) { toggles.push_back(on); }
    void Clicked()
    {
        ++clicks;
        throw std::runtime_error("refus");
    }
};

TEST(ErrorReporter, ConnectedMemberHandlersGetTheArgumentsTheyTakeAndReportWhatTheyThrow)
{
    RecordedErrors errors;
    Receiver button;
    button.setCheckable(true);
    dds::ConnectGuarded(&button, &QToolButton::toggled, &button, &Receiver::Toggled);
    dds::ConnectGuarded(&button, &QToolButton::clicked, &button, &Receiver::Clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.toggles, (std::vector<bool>{true, false}));
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(errors.messages, (QStringList{"refus", "refus"}));
}

TEST(ErrorReporter, RestoringTheSinkStopsTheRecording)
{
    QStringList outer;
    const dds::ErrorSink original = dds::ErrorReporter::setSink([&](const QString& m) { outer << m; });
    {
        RecordedErrors inner;
        dds::RunGuarded([] { throw std::runtime_error("inner"); });
        EXPECT_EQ(inner.messages, QStringList{"inner"});
    }
    dds::RunGuarded([] { throw std::runtime_error("outer"); });
    EXPECT_EQ(outer, QStringList{"outer"});
    dds::ErrorReporter::setSink(original);
}

} // namespace
