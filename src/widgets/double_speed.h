#pragma once
#include <QString>
#include <QToolButton>

// The double-caption speed button: a raised button with a picture and/or caption, a down state and
// group behaviour, plus a second caption and hint that a click swaps with the first ones.
// Buttons with the same GroupIndex (non-zero) and the same parent form one exclusive group.
class TDoubleSpeed : public QToolButton {
    Q_OBJECT
public:
    explicit TDoubleSpeed(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    QString Caption2() const { return caption2_; }
    void setCaption2(const QString& caption) { caption2_ = caption; }
    QString Hint() const { return toolTip(); }
    void setHint(const QString& hint) { setToolTip(hint); }
    QString Hint2() const { return hint2_; }
    void setHint2(const QString& hint) { hint2_ = hint; }
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }
    int Tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The latched down state. Hides QAbstractButton's momentary setDown on purpose: for a speed
    // button "down" is the group state. Putting a button down releases the others of its group;
    // no click handler runs.
    bool Down() const { return isChecked(); }
    void setDown(bool down);

signals:
    // After the swap of captions and hints and the inversion of the tag; Down() is already updated.
    void OnClick();

protected:
    void nextCheckState() override;

private:
    void releaseGroupPeers();
    void swapAfterClick();

    QString caption2_;
    QString hint2_;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    int tag_ = 0;
};
