#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#include "shell/error_reporter.h"

namespace {

// A reporter that records every message instead of showing the modal box.
class RecordedErrors {
public:
    QStringList messages;
    const dds::ErrorReporter reporter{[this](const QString& m) { messages << m; }};
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
    QObject::connect(&button, &QToolButton::clicked, &button, errors.reporter.Guarded([&] {
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
    QObject::connect(&button, &QToolButton::toggled, &button,
                     errors.reporter.Guarded([&](bool on) { seen.push_back(on); }));
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
    errors.reporter.ConnectGuarded(&button, &QToolButton::toggled, &button, &Receiver::Toggled);
    errors.reporter.ConnectGuarded(&button, &QToolButton::clicked, &button, &Receiver::Clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.toggles, (std::vector<bool>{true, false}));
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(errors.messages, (QStringList{"refus", "refus"}));
}

// Two windows each report to the sink they were given, however their handlers are guarded.
TEST(ErrorReporter, EachReporterReportsToItsOwnSink)
{
    RecordedErrors first;
    RecordedErrors second;
    QToolButton button;
    first.reporter.ConnectGuarded(&button, &QToolButton::clicked, &button, [] { throw std::runtime_error("premier"); });
    const auto wrapped = second.reporter.Guarded([] { throw std::runtime_error("second"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    wrapped();
    second.reporter.RunGuarded([] { throw std::runtime_error("encore"); });
    EXPECT_EQ(first.messages, QStringList{"premier"});
    EXPECT_EQ(second.messages, (QStringList{"second", "encore"}));
}

// A guarded handler keeps the sink: a connection may outlive the reporter it was made with.
TEST(ErrorReporter, AGuardedHandlerOutlivesItsReporter)
{
    QStringList messages;
    QToolButton button;
    {
        const dds::ErrorReporter reporter([&messages](const QString& m) { messages << m; });
        reporter.ConnectGuarded(&button, &QToolButton::clicked, &button, [] { throw std::runtime_error("tard"); });
    }
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{"tard"});
}

} // namespace
