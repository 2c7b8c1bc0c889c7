// SPDX-License-Identifier: MIT
#include "painteditor.h"

#include "gradientstopsbar.h"
#include "mixedspinbox.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

QIcon swatch(const QColor& color)
{
    QPixmap picture(32, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    // Squares behind the colour show how transparent it is.
    painter.fillRect(picture.rect(), Qt::white);
    for (int x = 0; x < 32; x += 8)
        painter.fillRect(x, (x / 8) % 2 * 8, 8, 8, Qt::lightGray);
    painter.fillRect(picture.rect(), color);
    painter.setPen(Qt::darkGray);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return QIcon(picture);
}

} // namespace

PaintEditor::PaintEditor(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_pType(new QComboBox(this))
    , m_pColor(new QToolButton(this))
    , m_pOpacity(new MixedSpinBox(this))
    , m_pStops(new GradientStopsBar(this))
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pType->setObjectName(name + QLatin1String("Type"));
    m_pType->addItems({tr("Colour"), tr("Linear gradient"), tr("Radial gradient")});
    m_pType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pType->setMinimumContentsLength(6);
    m_pType->setToolTip(tr("One colour, or colours blending along a line or around a centre"));
    m_pColor->setObjectName(name);
    m_pColor->setIconSize(QSize(32, 16));
    m_pColor->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pOpacity->setObjectName(name + QLatin1String("Opacity"));
    m_pOpacity->setRange(0, 100);
    m_pOpacity->setDecimals(0);
    m_pOpacity->setShownSuffix(QStringLiteral(" %"));
    m_pOpacity->setKeyboardTracking(false);
    m_pOpacity->setMinimumWidth(60);
    m_pOpacity->setToolTip(tr("How much of the paint shows: 0 % none, 100 % all"));
    m_pStops->setObjectName(name + QLatin1String("Stops"));
    layout->addWidget(m_pType, 0, 0, 1, 2);
    m_pColor->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(m_pColor, 1, 0);
    layout->addWidget(m_pOpacity, 1, 1);
    layout->addWidget(m_pStops, 2, 0, 1, 2);

    connect(m_pType, QOverload<int>::of(&QComboBox::activated), this, &PaintEditor::setType);
    connect(m_pColor, &QToolButton::clicked, this, &PaintEditor::chooseColor);
    connect(m_pOpacity, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this](double percent) {
                if (m_bShowing)
                    return;
                m_paint.setOpacity(percent / 100);
                emitEdited(false);
            });
    connect(m_pOpacity, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!m_bShowing)
            emitEdited(true);
    });
    connect(m_pStops, &GradientStopsBar::stopsChanged, this, [this](bool bFinished) {
        m_paint.setStops(m_pStops->stops());
        emitEdited(bFinished);
    });
    connect(m_pStops, &GradientStopsBar::currentStopChanged, this, &PaintEditor::updateParts);
    updateParts();
}

void PaintEditor::showPaint(const ZenubPaint& paint, bool bMixed)
{
    const QScopedValueRollback<bool> showing(m_bShowing, true);
    m_paint = paint;
    m_bMixed = bMixed;
    m_pType->setCurrentIndex(bMixed ? -1 : int(paint.getType()));
    if (!m_pOpacity->hasFocus())
        m_pOpacity->display(paint.getOpacity() * 100, bMixed);
    m_pStops->setStops(paint.getStops());
    updateParts();
}

void PaintEditor::updateParts()
{
    const bool bGradient = !m_bMixed && m_paint.isGradient();
    m_pStops->setVisible(bGradient);
    // The colour button shows the colour itself, or the picked stop's.
    QColor color = m_paint.getColor();
    if (bGradient) {
        const int stop = m_pStops->currentStop();
        color = stop >= 0 && stop < m_paint.getStops().size() ? m_paint.getStops().at(stop).color
                                                              : QColor();
    }
    if (m_bMixed || !color.isValid()) {
        m_pColor->setIcon(QIcon());
        m_pColor->setText(m_bMixed ? tr("Mixed") : QString());
    } else {
        m_pColor->setIcon(swatch(color));
        m_pColor->setText(color.alpha() == 255 ? color.name() : color.name(QColor::HexArgb));
    }
    m_pColor->setToolTip(bGradient ? tr("The colour of the picked stop") : QString());
}

void PaintEditor::setType(int index)
{
    const auto type = ZenubPaint::Type(index);
    if (!m_bMixed && type == m_paint.getType())
        return;
    m_bMixed = false;
    if (type != ZenubPaint::Type::Solid && m_paint.getStops().size() < 2) {
        // A gradient starts from the colour there was, fading to a lighter one.
        const QColor from = m_paint.getColor();
        m_paint.setStops(
            {{0, from}, {1, from.lightness() > 200 ? from.darker(160) : from.lighter(180)}});
    }
    if (type == ZenubPaint::Type::RadialGradient) {
        m_paint.setStart(QPointF(0.5, 0.5));
        m_paint.setEnd(QPointF(1, 0.5));
    } else if (type == ZenubPaint::Type::LinearGradient) {
        m_paint.setStart(QPointF(0, 0.5));
        m_paint.setEnd(QPointF(1, 0.5));
    }
    m_paint.setType(type);
    m_pStops->setStops(m_paint.getStops());
    updateParts();
    emitEdited(true);
}

void PaintEditor::chooseColor()
{
    const bool bGradient = !m_bMixed && m_paint.isGradient();
    const int stop = m_pStops->currentStop();
    if (bGradient && (stop < 0 || stop >= m_paint.getStops().size()))
        return;
    const QColor before = bGradient ? m_paint.getStops().at(stop).color : m_paint.getColor();
    const QColor color =
        QColorDialog::getColor(before, this, m_title, QColorDialog::ShowAlphaChannel);
    // The dialog ran an event loop: the paint shown may have changed meanwhile.
    if (!color.isValid() || (bGradient && stop >= m_paint.getStops().size()))
        return;
    if (bGradient) {
        QVector<ZenubGradientStop> stops = m_paint.getStops();
        stops[stop].color = color;
        m_paint.setStops(stops);
        m_pStops->setStops(stops);
    } else {
        m_bMixed = false;
        m_paint.setType(ZenubPaint::Type::Solid);
        m_paint.setColor(color);
    }
    updateParts();
    emitEdited(true);
}

void PaintEditor::emitEdited(bool bFinished)
{
    emit paintEdited(m_paint, bFinished);
}
