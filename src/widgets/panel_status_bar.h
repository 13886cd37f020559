#pragma once
#include <QFrame>
#include <QString>
#include <initializer_list>
#include <vector>

class QLabel;

// A status bar of fixed-width text panels side by side, addressed by index from the left.
class PanelStatusBar : public QFrame {
    Q_OBJECT
public:
    PanelStatusBar(std::initializer_list<int> panelWidths, QWidget* parent = nullptr);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    int panelWidth(int index) const;
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* panel(int index) const;

    std::vector<QLabel*> panels_;
};
