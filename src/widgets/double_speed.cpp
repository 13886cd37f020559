#include "widgets/double_speed.h"

#include <utility>

TDoubleSpeed::TDoubleSpeed(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
    setGroupIndex(4);
    setAllowAllUp(true);
    connect(this, &QAbstractButton::clicked, this, &TDoubleSpeed::swapAfterClick);
}

void TDoubleSpeed::setGroupIndex(int index)
{
    groupIndex_ = index;
    // Without a group a speed button does not latch.
    setCheckable(index != 0);
    if (index == 0)
        setChecked(false);
}

void TDoubleSpeed::setDown(bool down)
{
    if (groupIndex_ == 0)
        return;
    setChecked(down);
    if (down)
        releaseGroupPeers();
}

void TDoubleSpeed::nextCheckState()
{
    if (groupIndex_ == 0)
        return;
    if (isChecked()) {
        if (allowAllUp_)
            setChecked(false);
        return;
    }
    setChecked(true);
    releaseGroupPeers();
}

void TDoubleSpeed::releaseGroupPeers()
{
    QObject* owner = parent();
    if (owner == nullptr)
        return;
    for (TDoubleSpeed* peer : owner->findChildren<TDoubleSpeed*>(Qt::FindDirectChildrenOnly)) {
        if (peer != this && peer->groupIndex_ == groupIndex_)
            peer->setChecked(false);
    }
}

void TDoubleSpeed::swapAfterClick()
{
    const QString caption = text();
    setText(std::exchange(caption2_, caption));
    const QString hint = toolTip();
    setToolTip(std::exchange(hint2_, hint));
    tag_ = ~tag_;
    emit OnClick();
}
