// SPDX-License-Identifier: MIT
#ifndef ONIONSKIN_H
#define ONIONSKIN_H

#include <QColor>
#include <QVector>

class QPainter;
class ZenubProject;

/*!
    The frames around the current one drawn faintly under it, so that the user sees where
    things come from and go to: earlier frames tinted one colour, later ones another, the
    nearest the strongest. Only the stage draws them; no export does.
*/
class OnionSkin
{
public:
    static constexpr int kMaxFrames = 5;
    static const QColor& beforeTint();
    static const QColor& afterTint();

    bool isShown() const { return m_bShown; }
    void setShown(bool bShown) { m_bShown = bShown; }
    /*! How many frames on each side, 1 to kMaxFrames. */
    int frames() const { return m_frames; }
    void setFrames(int frames);

    /*!
        The frames shown around \a frame in a scene of \a duration frames, the farthest first so
        that nearer ones lie over them; none beyond the scene's ends.
    */
    static QVector<int> neighbours(int frame, int count, int duration);

    /*!
        Draws the neighbours of \a frame of \a scene through \a painter, whose transformation
        maps stage pixels to its device; nothing while hidden.
    */
    void paint(QPainter* painter, const ZenubProject& project, int scene, int frame) const;

private:
    bool m_bShown = false;
    int m_frames = 2;
};

#endif
