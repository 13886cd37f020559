#pragma once
#include <QWidget>

#include "shell/error_reporter.h"
#include "shell/web_addresses.h"

namespace dds {
class ClickLabel;
}

// The about window: the picture and nine lines. The picture and the first seven lines close it; the
// two web lines open the maker's and the translator's sites and leave it open.
class TForm6 : public QWidget {
    Q_OBJECT
public:
    // `openUrl` opens the two web lines' sites; `errorReporter` shows what a click could not do.
    TForm6(dds::UrlOpener openUrl, dds::ErrorReporter errorReporter, QWidget* parent = nullptr);

    void Image1Click();
    void RxLabel8Click();
    void RxLabel9Click();

    dds::ClickLabel* Image1;
    dds::ClickLabel* RxLabel1;
    dds::ClickLabel* RxLabel2;
    dds::ClickLabel* RxLabel3;
    dds::ClickLabel* RxLabel4;
    dds::ClickLabel* RxLabel5;
    dds::ClickLabel* RxLabel6;
    dds::ClickLabel* RxLabel7;
    dds::ClickLabel* RxLabel8;
    dds::ClickLabel* RxLabel9;

private:
    void PlaceLines();

    dds::UrlOpener openUrl_;
    dds::ErrorReporter errorReporter_;
};
