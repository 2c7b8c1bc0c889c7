// SPDX-License-Identifier: MIT
#ifndef PICTUREDECODER_H
#define PICTUREDECODER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QImage;
class QSvgRenderer;

/*!
    The one way the bytes of a picture become something drawn, wherever they come from: a
    project file, Insert > Image, the clipboard, a data: address inside an SVG picture.

    Constructing a decoder reads only the header of a PNG or JPEG picture: one beyond
    maximumSide() is never decoded, and image() decodes no larger than it is drawn. An SVG
    picture is drawn from a copy that refers to nothing outside it (SvgSanitizer): no file is
    opened and no address fetched, whatever the picture names.
*/
class PictureDecoder
{
    Q_DECLARE_TR_FUNCTIONS(PictureDecoder)
public:
    /*! Why the picture cannot be inserted as it is. */
    enum class Problem {
        None,
        UnknownFormat,
        /*! Too many pixels, or an SVG holding a picture with too many. */
        TooLarge,
        Damaged,
        /*! An SVG naming files or addresses outside it; see outsideReferences(). */
        OutsideReferences
    };

    /*!
        Reads what \a data says about itself. \a format is what the picture was stored as
        ("png", "jpeg" or "svg"); when given, content of another kind is damaged.
    */
    explicit PictureDecoder(const QByteArray& data, const QString& format = QString());
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    static constexpr int maximumSide() { return 8192; }
    /*! "png", "jpeg" or "svg" after the content (not a name); empty for anything else. */
    static QString formatOf(const QByteArray& data);

    QString format() const { return m_format; }
    /*! In pixels, from the header; an SVG's own size, which may be empty. */
    QSize size() const { return m_size; }
    Problem problem() const { return m_problem; }
    /*! A message naming the picture \a name; empty when there is no problem. */
    QString errorString(const QString& name) const;
    /*! What an SVG picture names outside itself, as written there; none of it is read. */
    QStringList outsideReferences() const { return m_outside; }

    /*! Whether image() or svg() can draw anything: an SVG draws what remains of it. */
    bool isDrawable() const;
    /*!
        The picture decoded at its own size, or smaller to fit \a bound; a null image when it
        cannot be drawn. A header that promised another size than the pixels have fails.
    */
    QImage image(const QSize& bound = QSize()) const;
    /*! The renderer of an SVG picture's safe copy; null for other pictures. */
    QSvgRenderer* svg() const { return m_svg.get(); }

private:
    void readSvg();

    QByteArray m_data;
    QString m_format;
    QSize m_size;
    Problem m_problem = Problem::None;
    QStringList m_outside;
    // The first picture an SVG held that was left out, for the message.
    Problem m_innerProblem = Problem::None;
    QSize m_innerSize;
    std::unique_ptr<QSvgRenderer> m_svg;
};

#endif
