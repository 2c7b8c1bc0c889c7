// SPDX-License-Identifier: MIT
#ifndef DESIGNERDOCUMENT_H
#define DESIGNERDOCUMENT_H

#include "model/edits/shaperef.h"
#include "model/project/zenubproject.h"

#include <documents/idocument.h>

#include <QPair>
#include <QVector>
#include <functional>

/*!
    A ".zenub" project opened in the application. Every edit goes through the undo stack as a
    command, so the stack's clean state is the document's saved state.

    The values of the new-project dialog are the stage width, the stage height and the frame
    rate; the flag adds a title text to the first scene.
*/
class DesignerDocument : public IDocument
{
    Q_OBJECT
public:
    DesignerDocument();
    ~DesignerDocument() override;

    const ZenubProject& getProject() const { return m_project; }
    /*! Replaces the content without an undo step; the undo commands use it. */
    void setProject(const ZenubProject& project);

    bool initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag) override;
    void submitCommand(QUndoCommand* command) override;

    /*!
        Runs \a change on a copy of the project and pushes the copy as one command named
        \a text; pushes nothing when \a change returns false or changes nothing. Edits in a
        row with the same non-zero \a mergeKey merge into one undo step: take a fresh key from
        newMergeKey() for each gesture.
    */
    bool editProject(const QString& text, const std::function<bool(ZenubProject&)>& change,
                     int mergeKey = 0);
    /*!
        Changes the position, size, rotation or opacity of each shape as seen at \a frame, by
        the keyframe rules of ZenubShape::editAt() with the document's auto-key setting.
    */
    bool editShapeStates(const QVector<ShapeRef>& refs, int frame, const QString& text,
                         const std::function<void(ZenubKeyframe&)>& change, int mergeKey = 0);
    /*!
        Changes whatever may change over time (box, paints, outline width, corners, path,
        corners of polygons, font size) of each shape as seen at \a frame, by the rules of
        ZenubShape::editStateAt() with the document's auto-key setting.
    */
    bool editShapeProperties(const QVector<ShapeRef>& refs, int frame, const QString& text,
                             const std::function<void(ZenubShapeState&)>& change, int mergeKey = 0);
    /*! Changes what does not change over time (name, words, font family) of each shape. */
    bool editShapes(const QVector<ShapeRef>& refs, const QString& text,
                    const std::function<void(ZenubShape&)>& change, int mergeKey = 0);
    static int newMergeKey();

    /*! Whether an edit of a static shape at another frame than its keyframe animates it. */
    bool isAutoKey() const { return m_bAutoKey; }
    void setAutoKey(bool bAutoKey);

    // Edits; each pushes one undoable command and returns false when it names nothing.
    /*! Adds to \a layer of \a scene (-1 or a layer that does not exist: the top layer). */
    bool addShape(int scene, int type, const QString& text = QString(), int layer = -1);
    bool moveShape(const ShapeRef& ref, int frame, double dx, double dy);
    /*! Moves every shape of \a refs by the same step, as one command. */
    bool moveShapes(const QVector<ShapeRef>& refs, int frame, double dx, double dy);
    /*!
        Adds each shape to the given layer of \a scene (-1 or a layer that does not exist: the
        top layer) as one command named \a text; returns where they went.
    */
    QVector<ShapeRef> addShapes(int scene, const QVector<QPair<int, ZenubShape>>& shapes,
                                const QString& text);
    /*! Stores the shape's state at \a frame as a keyframe there. */
    bool setKeyframe(const ShapeRef& ref, int frame);
    bool removeShape(const ShapeRef& ref);
    /*! Removes the shapes as one command, named \a text or after what goes. */
    bool removeShapes(const QVector<ShapeRef>& refs, const QString& text = QString());
    bool addScene();
    bool setSceneDuration(int scene, int frames);
    bool renameScene(int scene, const QString& name);
    /*! Sets the fill colour as seen at \a frame (see editShapeProperties()). */
    bool setShapeColor(const ShapeRef& ref, int frame, const QColor& color);
    bool setShapeText(const ShapeRef& ref, const QString& text);

    const ZenubShape* shapeAt(const ShapeRef& ref) const;
    /*!
        Opens the automatic backup of the document's file instead of the file, without asking;
        the document then reads as changed, so closing asks to save the recovered edits.
    */
    bool openBackup();
    /*! Where the automatic backup of \a fileName is written. */
    static QString backupFileName(const QString& fileName);

signals:
    void autoKeyChanged(bool bAutoKey);

public slots:
    /*! Opens a project file, or a Lottie animation (".json") as a new, unsaved project. */
    bool open() override;
    bool save() override;
    bool save(const QString& strFile) override;
    bool saveAs() override;
    bool revert() override;
    bool saveBackup() override;

protected:
    /*! The path the user chose for saving, or empty; a virtual seam for tests. */
    virtual QString askSaveFileName();

private:
    bool openLottie();
    void pushEdit(const QString& text, const ZenubProject& after);
    void reportError(const QString& text);

    ZenubProject m_project;
    bool m_bAutoKey = false;
};

#endif
