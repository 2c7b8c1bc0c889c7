// SPDX-License-Identifier: MIT
#ifndef STAGEVIEW_H
#define STAGEVIEW_H

#include <QWidget>

class QScrollBar;
class StageRuler;
class StageWidget;

/*!
    The stage with its rulers along the top and the left, and scroll bars where the stage does
    not fit the view.
*/
class StageView : public QWidget
{
    Q_OBJECT
public:
    explicit StageView(StageWidget* stage, QWidget* parent = nullptr);

    bool areRulersVisible() const { return m_bRulers; }

public slots:
    void setRulersVisible(bool bVisible);

signals:
    void rulersVisibleChanged(bool bVisible);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();
    void scrolled();

    StageWidget* m_pStage;
    StageRuler* m_pTop;
    StageRuler* m_pSide;
    QWidget* m_pCorner;
    QScrollBar* m_pAcross;
    QScrollBar* m_pDown;
    bool m_bRulers = true;
    bool m_bUpdating = false;
};

#endif
