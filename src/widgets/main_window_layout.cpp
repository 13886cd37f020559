#include "widgets/main_window_layout.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "editor/graph_xy.h"
#include "widgets/caption_group_box.h"
#include "widgets/ant_angle_label.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/pixel_font.h"
#include "widgets/rx_gif_animator.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"

namespace {

using L = MainWindowLayout;
using dds::PixelFont;

enum class Bevel { Raised, None, Lowered };

template <class T>
T* Place(T*& member, QWidget* parent, const char* name, QRect geometry)
{
    member = new T(parent);
    member->setObjectName(QString::fromLatin1(name));
    member->setGeometry(geometry);
    return member;
}

QLabel* PlaceLabel(QLabel*& member, QWidget* parent, const char* name, QPoint topLeft, const QString& text = {})
{
    member = new QLabel(text, parent);
    member->setObjectName(QString::fromLatin1(name));
    member->move(topLeft);
    member->adjustSize();
    return member;
}

// Panels paint their own background, so no frame line or control behind them shows through.
QFrame* PlacePanel(QFrame*& member, QWidget* parent, const char* name, QRect geometry, Bevel bevel)
{
    Place(member, parent, name, geometry);
    member->setAutoFillBackground(true);
    switch (bevel) {
    case Bevel::Raised: member->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::None: member->setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Lowered:
        member->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        member->setLineWidth(2);
        break;
    }
    return member;
}

QGroupBox* PlaceGroup(QGroupBox*& member, QWidget* parent, const char* name, QRect geometry)
{
    member = new CaptionGroupBox(parent);
    member->setObjectName(QString::fromLatin1(name));
    member->setGeometry(geometry);
    QFont bold = member->font();
    bold.setBold(true);
    member->setFont(bold);
    return member;
}

QToolButton* PlaceSpeedButton(QToolButton*& member, QWidget* parent, const char* name, QRect geometry,
                              const QString& caption = {})
{
    Place(member, parent, name, geometry);
    member->setText(caption);
    return member;
}

void SetColouredFont(QLabel* label, const QFont& font, const QColor& colour)
{
    label->setFont(font);
    // The colour is for an enabled label only: a disabled group greys all of its labels.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
}

// One label of a group of labels sharing font and colour.
struct LabelRow {
    QLabel* L::*member;
    const char* name;
    QPoint topLeft;
    const char* text = "";
};

void PlaceLabels(L& layout, QWidget* parent, std::initializer_list<LabelRow> rows, const QFont& font,
                 const QColor& colour)
{
    for (const LabelRow& row : rows)
        SetColouredFont(PlaceLabel(layout.*row.member, parent, row.name, row.topLeft, QString::fromUtf8(row.text)),
                        font, colour);
}

// The three knobs share the form's appearance: a red triangular pointer on a 73-pixel face.
TJvDialButton* PlaceDial(TJvDialButton*& member, QWidget* parent, const char* name, QPoint topLeft)
{
    Place(member, parent, name, {topLeft, QSize(73, 73)});
    member->setRadius(25);
    member->setButtonEdge(20);
    member->setPointerShape(psTriangle);
    member->setPointerSize(50);
    member->setPointerColorOn(Qt::red);
    member->setPointerColorOff(Qt::red);
    return member;
}

void PaintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The toolbar's image list, in image-index order.
const std::array<const char*, 8> kToolBarImages{
    ":/images/toolbar_guide.png",    ":/images/toolbar_open.png",  ":/images/toolbar_quit.png",
    ":/images/toolbar_save.png",    ":/images/toolbar_english.png", ":/images/toolbar_french.png",
    ":/images/toolbar_about.png",   ":/images/toolbar_german.png",
};

// Range, preset and draw buttons: one exclusive group per container, where all may be up.
TDoubleSpeed* PlaceDoubleSpeed(TDoubleSpeed*& member, QWidget* parent, const char* name, QRect geometry)
{
    Place(member, parent, name, geometry);
    member->setGroupIndex(4);
    member->setAllowAllUp(true);
    return member;
}

QToolButton* AddToolButton(QToolButton*& member, QToolBar* bar, const char* name, int image)
{
    member = new QToolButton(bar);
    member->setObjectName(QString::fromLatin1(name));
    member->setFixedSize(31, 23);
    member->setIcon(QIcon(QString::fromLatin1(kToolBarImages[static_cast<std::size_t>(image)])));
    member->setCursor(Qt::PointingHandCursor);
    member->setAutoRaise(true);
    bar->addWidget(member);
    return member;
}

QFrame* AddToolDivider(QFrame*& member, QToolBar* bar, const char* name)
{
    member = new QFrame(bar);
    member->setObjectName(QString::fromLatin1(name));
    member->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    member->setFixedSize(8, 23);
    bar->addWidget(member);
    return member;
}

} // namespace

MainWindowLayout::MainWindowLayout(QWidget* form)
{
    form->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/images/app_icon_%1.png").arg(size));
    form->setWindowIcon(icon);
    // Created first so that every visible control lies above them.
    buildWorkingControls(form);
    buildToolBar(form);
    buildFrequencyGroup(form);
    buildOffsetGroup(form);
    buildGeneratorGroup(form);
    buildPlotGroup(form);
    buildWaveformGroup(form);
    StatusBar1 = new PanelStatusBar({kStatusPanelWidths[0], kStatusPanelWidths[1], kStatusPanelWidths[2],
                                     kStatusPanelWidths[3]},
                                    form);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, kClientHeight - 18, kClientWidth, 18);
}

void MainWindowLayout::buildToolBar(QWidget* form)
{
    Place(ToolBar1, form, "ToolBar1", {0, 0, kClientWidth, 29});
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize({16, 16});
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->setStyleSheet(
        QStringLiteral("QToolBar { border-top: 1px solid palette(mid); border-bottom: 1px solid palette(mid); }"));
    ToolButton13 = new QWidget(ToolBar1);
    ToolButton13->setObjectName(QStringLiteral("ToolButton13"));
    ToolButton13->setFixedSize(17, 23);
    ToolBar1->addWidget(ToolButton13);
    AddToolButton(ToolButton3, ToolBar1, "ToolButton3", 2);
    AddToolDivider(ToolButton8, ToolBar1, "ToolButton8");
    AddToolButton(ToolButton2, ToolBar1, "ToolButton2", 1);
    AddToolButton(ToolButton4, ToolBar1, "ToolButton4", 3);
    AddToolDivider(ToolButton9, ToolBar1, "ToolButton9");
    AddToolButton(ToolButton6, ToolBar1, "ToolButton6", 5);
    AddToolButton(ToolButton5, ToolBar1, "ToolButton5", 4);
    AddToolButton(ToolButton19, ToolBar1, "ToolButton19", 7);
    AddToolDivider(ToolButton10, ToolBar1, "ToolButton10");
    AddToolButton(ToolButton7, ToolBar1, "ToolButton7", 6);
    AddToolDivider(ToolButton11, ToolBar1, "ToolButton11");
    AddToolButton(ToolButton1, ToolBar1, "ToolButton1", 0);
}

void MainWindowLayout::buildFrequencyGroup(QWidget* form)
{
    PlaceGroup(GroupBox3, form, "GroupBox3", {8, 32, 361, 177});
    PlacePanel(Panel3, GroupBox3, "Panel3", {24, 16, 313, 49}, Bevel::Lowered);
    PaintWhite(Panel3);
    PlaceLabel(Label10, Panel3, "Label10", {88, 5});
    SetColouredFont(Label10, PixelFont(QStringLiteral("Arial"), 35, true), Qt::red);
    PlaceSpeedButton(SpeedButton11, GroupBox3, "SpeedButton11", {8, 68, 25, 25}, QStringLiteral("-"));
    Place(RxSlider1, GroupBox3, "RxSlider1", {34, 64, 293, 41});
    PlaceSpeedButton(SpeedButton12, GroupBox3, "SpeedButton12", {328, 68, 25, 25}, QStringLiteral("+"));
    PlaceLabel(Label13, RxSlider1, "Label13", {64, 28});
    Label13->hide();
    PlaceGroup(GroupBox4, GroupBox3, "GroupBox4", {8, 112, 345, 57});
    static constexpr std::array<const char*, 7> kNames{"DoubleSpeed1", "DoubleSpeed2", "DoubleSpeed3", "DoubleSpeed4",
                                                       "DoubleSpeed5", "DoubleSpeed6", "DoubleSpeed7"};
    static constexpr std::array<const char*, 7> kCaptions{"1", "10", "100", "1k", "10k", "100k", "1M"};
    const std::array<TDoubleSpeed* L::*, 7> members{&L::DoubleSpeed1, &L::DoubleSpeed2, &L::DoubleSpeed3, &L::DoubleSpeed4,
                                         &L::DoubleSpeed5, &L::DoubleSpeed6, &L::DoubleSpeed7};
    for (std::size_t i = 0; i < members.size(); ++i) {
        TDoubleSpeed* button = PlaceDoubleSpeed(this->*members[i], GroupBox4, kNames[i], {8 + 48 * static_cast<int>(i), 16, 41, 33});
        button->setCaption(QString::fromLatin1(kCaptions[i]));
        button->setCaption2(QString::fromLatin1(kCaptions[i]));
    }
}

void MainWindowLayout::buildOffsetGroup(QWidget* form)
{
    PlaceGroup(GroupBox6, form, "GroupBox6", {8, 216, 361, 145});
    GroupBox6->setEnabled(false);
    PlaceLabel(Label14, GroupBox6, "Label14", {152, 16});
    PlaceSpeedButton(SpeedButton3, GroupBox6, "SpeedButton3", {8, 48, 25, 25}, QStringLiteral("-"));
    Place(RxSlider3, GroupBox6, "RxSlider3", {34, 48, 293, 33});
    PlaceSpeedButton(SpeedButton2, GroupBox6, "SpeedButton2", {328, 48, 25, 25}, QStringLiteral("+"));
    PlaceSpeedButton(SpeedButton13, GroupBox6, "SpeedButton13", {166, 32, 25, 17});
    SpeedButton13->setIcon(QIcon(QStringLiteral(":/images/button_offset_centre.png")));
    SpeedButton13->setIconSize({21, 13});
    PlaceLabel(Label15, GroupBox6, "Label15", {152, 88});
    Place(RxSlider4, GroupBox6, "RxSlider4", {8, 104, 345, 33});
    // The overlay is created last so that it covers the sliders while no generator is connected.
    PlacePanel(Panel11, GroupBox6, "Panel11", {8, 16, 345, 121}, Bevel::None);
    Panel11->setAutoFillBackground(true);
    Place(RxGIFAnimator2, Panel11, "RxGIFAnimator2", {8, 22, 90, 80});
    RxGIFAnimator2->setImage(QStringLiteral(":/images/anim_not_connected.gif"));
    PlacePanel(Panel12, Panel11, "Panel12", {112, 8, 233, 105}, Bevel::Raised);
    const QFont warning = PixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    PlaceLabels(*this, Panel12,
                {{&L::Label7, "Label7", {0, 16}}, {&L::Label8, "Label8", {0, 48}}, {&L::Label36, "Label36", {0, 80}}},
                warning, Qt::red);
}

void MainWindowLayout::buildGeneratorGroup(QWidget* form)
{
    PlaceGroup(GroupBox1, form, "GroupBox1", {8, 368, 361, 193});
    PlacePanel(Panel1, GroupBox1, "Panel1", {8, 24, 345, 153}, Bevel::None);
    Place(RxGIFAnimator1, Panel1, "RxGIFAnimator1", {56, 43, 235, 67});
    RxGIFAnimator1->setImage(QStringLiteral(":/images/anim_plug.gif"));
    const QFont instruction = PixelFont(QStringLiteral("Arial"), 13, true);
    PlaceLabels(*this, Panel1,
                {{&L::Label3, "Label3", {0, 0}}, {&L::Label4, "Label4", {0, 16}}, {&L::Label5, "Label5", {0, 120}},
                 {&L::Label6, "Label6", {0, 136}}},
                instruction, Qt::blue);
    PlacePanel(Panel9, GroupBox1, "Panel9", {8, 16, 345, 169}, Bevel::Raised);
    PlaceSpeedButton(SpeedButton10, Panel9, "SpeedButton10", {8, 8, 329, 73});
    SpeedButton10->setIcon(QIcon(QStringLiteral(":/images/button_transfer.png")));
    SpeedButton10->setIconSize({300, 60});
    SpeedButton10->setCursor(Qt::PointingHandCursor);
    PlaceGroup(GroupBox7, Panel9, "GroupBox7", {8, 88, 329, 73});
    Place(RadioButton1, GroupBox7, "RadioButton1", {112, 24, 89, 17});
    const std::array<QRadioButton* L::*, 7> filters{&L::RadioButton2, &L::RadioButton3, &L::RadioButton4,
                                                    &L::RadioButton5, &L::RadioButton6, &L::RadioButton7,
                                                    &L::RadioButton8};
    static constexpr std::array<int, 7> kFilterLefts{8, 56, 104, 152, 200, 240, 288};
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const QByteArray name = "RadioButton" + QByteArray::number(static_cast<int>(i) + 2);
        QRadioButton* radio = Place(this->*filters[i], GroupBox7, name.constData(), {kFilterLefts[i], 48, 33, 17});
        radio->setText(QStringLiteral("F%1").arg(i + 1));
    }
    // The platform style's radio indicators are wider than the design's: closer captions keep
    // "F1" .. "F7" and "Filtre inactif" readable in their narrow places.
    GroupBox7->setStyleSheet(QStringLiteral("QRadioButton { spacing: 1px; }"));
}

void MainWindowLayout::buildPlotGroup(QWidget* form)
{
    PlaceGroup(GroupBox2, form, "GroupBox2", {376, 32, 577, 529});
    Place(GraphXY1, GroupBox2, "GraphXY1", {8, 15, 561, 506});
    GraphXY1->SetBackColor(Qt::black);
    GraphXY1->SetGridColor(Qt::white);
    GraphXY1->SetFont(PixelFont(QStringLiteral("Arial"), 11));
    GraphXY1->SetFontColor(Qt::white);
    GraphXY1->SetPositionCaption(TPositionCaption::TopLeft);
    GraphXY1->SetNbXDiv(10);
    GraphXY1->SetNbYDiv(10);
    GraphXY1->SetXMin(-500);
    GraphXY1->SetYMin(-500);
    GraphXY1->SetEchX(100);
    GraphXY1->SetEchY(100);
    GraphXY1->SetMargeHaute(32);
    GraphXY1->SetMargeBasse(32);
    GraphXY1->SetMargeGauche(32);
    GraphXY1->SetMargeDroite(32);
    GraphXY1->SetNbTrace(1);
}

void MainWindowLayout::buildWaveformGroup(QWidget* form)
{
    PlaceGroup(GroupBox5, form, "GroupBox5", {8, 560, 945, 145});
    struct PresetRow {
        TDoubleSpeed* L::*member;
        const char* name;
        QRect geometry;
        const char* picture;
        QSize pictureSize;
    };
    static const PresetRow kPresets[] = {
        {&L::DoubleSpeed8, "DoubleSpeed8", {8, 32, 73, 33}, ":/images/wave_sine.png", {64, 24}},
        {&L::DoubleSpeed9, "DoubleSpeed9", {96, 32, 73, 33}, ":/images/wave_rectangle.png", {64, 24}},
        {&L::DoubleSpeed10, "DoubleSpeed10", {184, 32, 73, 33}, ":/images/wave_triangle.png", {64, 24}},
        {&L::DoubleSpeed11, "DoubleSpeed11", {272, 32, 73, 33}, ":/images/wave_falling_ramp.png", {64, 24}},
        {&L::DoubleSpeed12, "DoubleSpeed12", {360, 32, 73, 33}, ":/images/wave_rising_ramp.png", {64, 24}},
        {&L::DoubleSpeed13, "DoubleSpeed13", {448, 32, 73, 33}, ":/images/wave_rc_charge_discharge.png", {64, 24}},
        {&L::DoubleSpeed14, "DoubleSpeed14", {8, 88, 73, 33}, ":/images/wave_rc_charge.png", {64, 24}},
        {&L::DoubleSpeed15, "DoubleSpeed15", {96, 88, 73, 33}, ":/images/wave_rc_discharge.png", {64, 24}},
        {&L::DoubleSpeed16, "DoubleSpeed16", {184, 88, 73, 33}, ":/images/wave_am.png", {64, 24}},
        {&L::DoubleSpeed19, "DoubleSpeed19", {272, 88, 73, 33}, ":/images/wave_fm.png", {64, 24}},
        {&L::DoubleSpeed20, "DoubleSpeed20", {360, 88, 73, 33}, ":/images/wave_noise.png", {64, 24}},
        {&L::DoubleSpeed17, "DoubleSpeed17", {448, 88, 73, 33}, ":/images/wave_dc.png", {64, 24}},
        {&L::DoubleSpeed18, "DoubleSpeed18", {536, 24, 65, 57}, ":/images/button_draw.png", {48, 44}},
    };
    for (const PresetRow& row : kPresets) {
        TDoubleSpeed* button = PlaceDoubleSpeed(this->*row.member, GroupBox5, row.name, row.geometry);
        button->setIcon(QIcon(QString::fromLatin1(row.picture)));
        button->setIconSize(row.pictureSize);
    }
    PlaceSpeedButton(SpeedButton9, GroupBox5, "SpeedButton9", {544, 88, 49, 41});
    SpeedButton9->setIcon(QIcon(QStringLiteral(":/images/button_clear.png")));
    SpeedButton9->setIconSize({36, 30});
    PlacePanel(Panel8, GroupBox5, "Panel8", {8, 24, 521, 105}, Bevel::Lowered);
    PaintWhite(Panel8);
    PlaceLabels(*this, Panel8, {{&L::Label21, "Label21", {0, 24}}, {&L::Label22, "Label22", {0, 64}}},
                PixelFont(QStringLiteral("MS Sans Serif"), 13, true), Qt::red);
    Panel8->hide();
    PlacePanel(Panel6, GroupBox5, "Panel6", {616, 16, 9, 121}, Bevel::Lowered);
    PlacePanel(Panel4, GroupBox5, "Panel4", {632, 7, 305, 135}, Bevel::None);
    buildShapeControls();
    PlacePanel(Panel10, GroupBox5, "Panel10", {632, 10, 305, 129}, Bevel::None);
    PlaceLabels(*this, Panel10,
                {{&L::Label28, "Label28", {128, 8}}, {&L::Label29, "Label29", {128, 24}},
                 {&L::Label26, "Label26", {136, 112}, "3"}, {&L::Label27, "Label27", {168, 112}, "90"}},
                Panel10->font(), Panel10->palette().color(QPalette::WindowText));
    PlaceDial(JvDialButton3, Panel10, "JvDialButton3", {120, 40});
    Panel10->hide();
}

void MainWindowLayout::buildShapeControls()
{
    PlacePanel(Panel7, Panel4, "Panel7", {8, 0, 177, 137}, Bevel::Raised);
    antAngleLabel1 = new TantAngleLabel(Panel7);
    antAngleLabel1->setObjectName(QStringLiteral("antAngleLabel1"));
    antAngleLabel1->setFont(PixelFont(QStringLiteral("Arial"), 12, true));
    antAngleLabel1->setCaption(QStringLiteral("Position"));
    antAngleLabel1->setAngle(90);
    antAngleLabel1->move(0, 40);
    Place(RxSlider2, Panel7, "RxSlider2", {16, 0, 25, 137});
    RxSlider2->setOrientation(soVertical);
    PlaceSpeedButton(SpeedButton8, Panel7, "SpeedButton8", {40, 56, 17, 25});
    SpeedButton8->setIcon(QIcon(QStringLiteral(":/images/button_vertical_centre.png")));
    SpeedButton8->setIconSize({13, 21});
    PlacePanel(Panel5, Panel7, "Panel5", {64, 0, 105, 129}, Bevel::Raised);
    const QFont plain = Panel5->font();
    const QColor ink = Panel5->palette().color(QPalette::WindowText);
    PlaceLabels(*this, Panel5,
                {{&L::Label16, "Label16", {24, 8}}, {&L::Label19, "Label19", {24, 24}},
                 {&L::Label11, "Label11", {24, 112}, "0%"}, {&L::Label12, "Label12", {56, 112}, "100%"}},
                plain, ink);
    PlaceDial(JvDialButton1, Panel5, "JvDialButton1", {16, 40});
    PlacePanel(Panel2, Panel4, "Panel2", {184, 0, 113, 129}, Bevel::Raised);
    PlaceLabels(*this, Panel2,
                {{&L::Label9, "Label9", {32, 8}}, {&L::Label20, "Label20", {32, 24}},
                 {&L::Label17, "Label17", {24, 112}, "1%"}, {&L::Label18, "Label18", {64, 112}, "99%"}},
                PixelFont(QStringLiteral("Arial"), 13, true), ink);
    PlaceDial(JvDialButton2, Panel2, "JvDialButton2", {16, 40});
    PlacePanel(Panel13, Panel4, "Panel13", {176, 0, 121, 137}, Bevel::Raised);
    PlaceLabels(*this, Panel13, {{&L::Label37, "Label37", {40, 32}}, {&L::Label38, "Label38", {40, 48}}}, plain, ink);
    Place(RxSpinEdit1, Panel13, "RxSpinEdit1", {40, 72, 49, 21});
    Panel13->hide();
}

void MainWindowLayout::buildWorkingControls(QWidget* form)
{
    Place(ListBox1, form, "ListBox1", {960, 56, 129, 649});
    Place(ListBox2, form, "ListBox2", {1296, 64, 201, 641});
    Place(StringGrid1, form, "StringGrid1", {1120, 40, 153, 665});
    PlaceLabel(Label24, form, "Label24", {960, 32}, QStringLiteral("Lorsqu'on ouvrre un fichier"));
    PlaceLabel(Label25, form, "Label25", {1288, 32}, QStringLiteral("Octet à envoyer au PIC - Image compressée"));
    PlaceLabel(Label31, form, "Label31", {1376, 48}, QStringLiteral("ListBox2"));
    PlaceLabel(Label1, form, "Label1", {984, 720});
    PlaceLabel(Label23, form, "Label23", {1304, 736});
    PlaceLabel(Label30, form, "Label30", {1304, 752});
    PlaceLabel(Label32, form, "Label32", {24, 720});
    PlaceLabel(Label34, form, "Label34", {1120, 768});
    PlaceLabel(Label35, form, "Label35", {112, 720});
    PlaceLabel(Label2, form, "Label2", {984, 736});
    PlaceLabel(Label33, form, "Label33", {24, 744});
    PlaceSpeedButton(SpeedButton1, form, "SpeedButton1", {760, 288, 161, 25}, QStringLiteral("TEST RELECTURE RAM"));
    PlaceSpeedButton(SpeedButton4, form, "SpeedButton4", {1072, 712, 73, 17}, QStringLiteral("Transfert ON"));
    PlaceSpeedButton(SpeedButton5, form, "SpeedButton5", {1168, 712, 73, 17}, QStringLiteral("Transfet OFF"));
    PlaceSpeedButton(SpeedButton6, form, "SpeedButton6", {1072, 736, 73, 17}, QStringLiteral("Patientez ON"));
    PlaceSpeedButton(SpeedButton7, form, "SpeedButton7", {1168, 736, 73, 17}, QStringLiteral("Patientez OFF"));
    Place(BitBtn1, form, "BitBtn1", {1304, 712, 201, 17});
    BitBtn1->setText(QStringLiteral("Affiche la Form5 Graphe compression"));
}

std::array<QWidget*, 20> MainWindowLayout::workingControls() const
{
    return {ListBox1, ListBox2,     StringGrid1,  Label24,      Label25,      Label31, Label1,
            Label23,  Label30,      Label32,      Label34,      Label35,      Label2,  Label33,
            BitBtn1,  SpeedButton1, SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7};
}
