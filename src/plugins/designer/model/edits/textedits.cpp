// SPDX-License-Identifier: MIT
#include "textedits.h"

#include "boxedits.h"
#include "model/project/zenubshape.h"
#include "model/render/textlayout.h"

namespace TextEdits {

bool fitBox(ZenubShape& shape)
{
    const ZenubText& text = shape.getTextContent();
    if (shape.getType() != ZenubShape::Type::Text || text.getFontSize() <= 0 ||
        text.getBoxMode() != ZenubText::BoxMode::Grow)
        return false;
    const double across = text.getAlignment() == ZenubText::Alignment::Left    ? 0.0
                          : text.getAlignment() == ZenubText::Alignment::Right ? 1.0
                                                                               : 0.5;
    const QPointF anchor(across, 0);
    const ZenubShapeTracks before = shape.tracks();
    shape.tracks().mapBoxKeys([&text, &anchor](const ZenubKeyframe& keyframe) {
        const QSizeF size =
            TextLayout::naturalSize(text, QSizeF(keyframe.getWidth(), keyframe.getHeight()));
        if (size == QSizeF(keyframe.getWidth(), keyframe.getHeight()))
            return keyframe;
        return BoxEdits::refit(keyframe, size, anchor, anchor);
    });
    return shape.tracks() != before;
}

} // namespace TextEdits
