#include "designerdocument.h"

#include "project/zenubprojectfile.h"
#include "projecteditcommand.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

const char* const kTitle = "Zenub Animate";

QString shapeBaseName(ZenubShape::Type type)
{
    switch (type) {
    case ZenubShape::Type::Rectangle:
        return DesignerDocument::tr("Rectangle");
    case ZenubShape::Type::Ellipse:
        return DesignerDocument::tr("Ellipse");
    case ZenubShape::Type::Text:
        return DesignerDocument::tr("Text");
    case ZenubShape::Type::Image:
        return DesignerDocument::tr("Image");
    }
    return QString();
}

} // namespace

DesignerDocument::DesignerDocument()
{
    m_pUndoStack = new QUndoStack(this);
    connect(m_pUndoStack, &QUndoStack::cleanChanged, this,
            [this](bool bClean) { emit modifyChanged(!bClean || isTempDocument()); });
}

DesignerDocument::~DesignerDocument()
{
    // Closing normally means the user decided about the changes; only a crash keeps the copy.
    const QString fileName = getFileName();
    if (!fileName.isEmpty())
        QFile::remove(backupFileName(fileName));
}

void DesignerDocument::setProject(const ZenubProject& project)
{
    m_project = project;
    emit dataChanged(nullptr);
}

bool DesignerDocument::initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag)
{
    const int maxSize = ZenubProject::maximumStageSize();
    if (nValue1 < 1 || nValue1 > maxSize || nValue2 < 1 || nValue2 > maxSize || nValue3 < 1 ||
        nValue3 > ZenubProject::maximumFrameRate())
        return false;
    QString name = QFileInfo(getFileName()).completeBaseName();
    if (name.isEmpty())
        name = tr("Untitled");
    ZenubProject project = ZenubProject::createNew(name, nValue1, nValue2, nValue3);
    if (bFlag) {
        ZenubShape title(ZenubShape::Type::Text, tr("Title"));
        title.setText(name);
        title.setFillColor(QColor(0x20, 0x20, 0x20));
        const double width = nValue1 * 0.6;
        const double height = nValue2 * 0.15;
        title.setKeyframe(ZenubKeyframe(0, (nValue1 - width) / 2, nValue2 * 0.12, width, height));
        project.scenes()[0].layers()[0].addShape(title);
    }
    m_pUndoStack->clear();
    setProject(project);
    emit titleChanged();
    return true;
}

void DesignerDocument::submitCommand(QUndoCommand* command)
{
    m_pUndoStack->push(command);
}

void DesignerDocument::pushEdit(const QString& text, const ZenubProject& after)
{
    submitCommand(new ProjectEditCommand(this, text, m_project, after));
}

bool DesignerDocument::editProject(const QString& text,
                                   const std::function<bool(ZenubProject&)>& change, int mergeKey)
{
    ZenubProject after = m_project;
    if (!change(after) || after == m_project)
        return false;
    submitCommand(new ProjectEditCommand(this, text, m_project, after, mergeKey));
    return true;
}

bool DesignerDocument::editShapeStates(const QVector<ShapeRef>& refs, int frame,
                                       const QString& text,
                                       const std::function<void(ZenubKeyframe&)>& change,
                                       int mergeKey)
{
    if (frame < 0 || refs.isEmpty())
        return false;
    return editProject(
        text,
        [&](ZenubProject& project) {
            for (const ShapeRef& ref : refs) {
                ZenubShape* shape = mutableShape(project, ref);
                if (!shape)
                    return false;
                shape->editAt(frame, m_bAutoKey, change);
            }
            return true;
        },
        mergeKey);
}

bool DesignerDocument::editShapes(const QVector<ShapeRef>& refs, const QString& text,
                                  const std::function<void(ZenubShape&)>& change, int mergeKey)
{
    if (refs.isEmpty())
        return false;
    return editProject(
        text,
        [&](ZenubProject& project) {
            for (const ShapeRef& ref : refs) {
                ZenubShape* shape = mutableShape(project, ref);
                if (!shape)
                    return false;
                change(*shape);
            }
            return true;
        },
        mergeKey);
}

int DesignerDocument::newMergeKey()
{
    static int last = 0;
    last = last == std::numeric_limits<int>::max() ? 1 : last + 1;
    return last;
}

void DesignerDocument::setAutoKey(bool bAutoKey)
{
    if (m_bAutoKey == bAutoKey)
        return;
    m_bAutoKey = bAutoKey;
    emit autoKeyChanged(bAutoKey);
}

ZenubShape* DesignerDocument::mutableShape(ZenubProject& project, const ShapeRef& ref) const
{
    if (!ref.isValid() || ref.scene >= project.getScenes().size())
        return nullptr;
    ZenubScene& scene = project.scenes()[ref.scene];
    if (ref.layer >= scene.getLayers().size())
        return nullptr;
    ZenubLayer& layer = scene.layers()[ref.layer];
    if (ref.shape >= layer.getShapes().size())
        return nullptr;
    return &layer.shapes()[ref.shape];
}

const ZenubShape* DesignerDocument::shapeAt(const ShapeRef& ref) const
{
    return mutableShape(const_cast<ZenubProject&>(m_project), ref);
}

bool DesignerDocument::addShape(int scene, int type, const QString& text, int layerIndex)
{
    if (scene < 0 || scene >= m_project.getScenes().size() || type < 0 ||
        type > int(ZenubShape::Type::Text))
        return false;
    ZenubProject after = m_project;
    ZenubScene& target = after.scenes()[scene];
    if (target.getLayers().isEmpty())
        target.addLayer(ZenubLayer(tr("Layer 1")));
    ZenubLayer& layer = layerIndex >= 0 && layerIndex < target.getLayers().size()
                            ? target.layers()[layerIndex]
                            : target.layers().last();

    const auto shapeType = ZenubShape::Type(type);
    int sameType = 1;
    int total = 0;
    for (const ZenubLayer& each : target.getLayers()) {
        for (const ZenubShape& shape : each.getShapes()) {
            sameType += shape.getType() == shapeType ? 1 : 0;
            ++total;
        }
    }
    ZenubShape shape(shapeType, tr("%1 %2").arg(shapeBaseName(shapeType)).arg(sameType));
    const double width = std::max(20.0, after.getStageWidth() / 4.0);
    const double height = shapeType == ZenubShape::Type::Text
                              ? std::max(20.0, after.getStageHeight() / 10.0)
                              : std::max(20.0, after.getStageHeight() / 4.0);
    switch (shapeType) {
    case ZenubShape::Type::Rectangle:
        shape.setFillColor(QColor(0x3d, 0x9b, 0xe9));
        break;
    case ZenubShape::Type::Ellipse:
        shape.setFillColor(QColor(0xf3, 0x9c, 0x12));
        break;
    case ZenubShape::Type::Text:
        shape.setFillColor(QColor(0x2c, 0x3e, 0x50));
        shape.setText(text.isEmpty() ? tr("Text") : text);
        break;
    case ZenubShape::Type::Image:
        // Images come with their picture; see the image insertion.
        break;
    }
    // New shapes go near the middle of the stage, each one step further down and to the right
    // so that none hides the one before.
    const double step =
        std::max(8.0, std::min(after.getStageWidth(), after.getStageHeight()) / 20.0);
    const double offset = step * (total % 6) - step * 2.5;
    shape.setKeyframe(ZenubKeyframe(0, (after.getStageWidth() - width) / 2 + offset,
                                    (after.getStageHeight() - height) / 2 + offset, width, height));
    layer.addShape(shape);
    pushEdit(tr("Add %1").arg(shape.getName()), after);
    return true;
}

bool DesignerDocument::moveShape(const ShapeRef& ref, int frame, double dx, double dy)
{
    return moveShapes({ref}, frame, dx, dy);
}

bool DesignerDocument::moveShapes(const QVector<ShapeRef>& refs, int frame, double dx, double dy)
{
    const ZenubShape* first = refs.isEmpty() ? nullptr : shapeAt(refs.constFirst());
    if (!first)
        return false;
    return editShapeStates(refs, frame,
                           refs.size() == 1 ? tr("Move %1").arg(first->getName())
                                            : tr("Move %n Shapes", "", refs.size()),
                           [dx, dy](ZenubKeyframe& state) {
                               state.setX(state.getX() + dx);
                               state.setY(state.getY() + dy);
                           });
}

QVector<ShapeRef> DesignerDocument::addShapes(int scene,
                                              const QVector<QPair<int, ZenubShape>>& shapes,
                                              const QString& text)
{
    if (scene < 0 || scene >= m_project.getScenes().size() || shapes.isEmpty())
        return {};
    ZenubProject after = m_project;
    ZenubScene& target = after.scenes()[scene];
    if (target.getLayers().isEmpty())
        target.addLayer(ZenubLayer(tr("Layer 1")));
    QVector<ShapeRef> added;
    for (const auto& entry : shapes) {
        const int layer = entry.first >= 0 && entry.first < target.getLayers().size()
                              ? entry.first
                              : target.getLayers().size() - 1;
        target.layers()[layer].addShape(entry.second);
        added.append(
            ShapeRef{scene, layer, int(target.getLayers().at(layer).getShapes().size()) - 1});
    }
    pushEdit(text, after);
    return added;
}

bool DesignerDocument::setKeyframe(const ShapeRef& ref, int frame)
{
    ZenubProject after = m_project;
    ZenubShape* shape = mutableShape(after, ref);
    if (!shape || frame < 0)
        return false;
    ZenubKeyframe state = shape->stateAtFrame(frame);
    shape->setKeyframe(state);
    pushEdit(tr("Set Keyframe"), after);
    return true;
}

bool DesignerDocument::removeShape(const ShapeRef& ref)
{
    return removeShapes({ref});
}

bool DesignerDocument::removeShapes(const QVector<ShapeRef>& refs, const QString& text)
{
    if (refs.isEmpty())
        return false;
    QVector<ShapeRef> sorted = refs;
    // From the back, so that removing one shape does not shift the index of the next.
    std::sort(sorted.begin(), sorted.end(), [](const ShapeRef& a, const ShapeRef& b) {
        return std::tie(a.scene, a.layer, a.shape) > std::tie(b.scene, b.layer, b.shape);
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    ZenubProject after = m_project;
    QString name;
    for (const ShapeRef& ref : qAsConst(sorted)) {
        const ZenubShape* shape = mutableShape(after, ref);
        if (!shape)
            return false;
        name = shape->getName();
        after.scenes()[ref.scene].layers()[ref.layer].shapes().removeAt(ref.shape);
    }
    QString label = text;
    if (label.isEmpty())
        label = sorted.size() == 1 ? tr("Delete %1").arg(name)
                                   : tr("Delete %n Shapes", "", sorted.size());
    pushEdit(label, after);
    return true;
}

bool DesignerDocument::addScene()
{
    ZenubProject after = m_project;
    ZenubScene scene(tr("Scene %1").arg(after.getScenes().size() + 1),
                     2 * std::max(1, after.getFrameRate()));
    scene.addLayer(ZenubLayer(tr("Layer 1")));
    after.addScene(scene);
    pushEdit(tr("Add Scene"), after);
    return true;
}

bool DesignerDocument::setSceneDuration(int scene, int frames)
{
    if (scene < 0 || scene >= m_project.getScenes().size() || frames < 1 || frames > 1000000 ||
        m_project.getScenes().at(scene).getDuration() == frames)
        return false;
    ZenubProject after = m_project;
    after.scenes()[scene].setDuration(frames);
    pushEdit(tr("Change Scene Length"), after);
    return true;
}

bool DesignerDocument::renameScene(int scene, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (scene < 0 || scene >= m_project.getScenes().size() || trimmed.isEmpty() ||
        m_project.getScenes().at(scene).getName() == trimmed)
        return false;
    ZenubProject after = m_project;
    after.scenes()[scene].setName(trimmed);
    pushEdit(tr("Rename Scene"), after);
    return true;
}

bool DesignerDocument::setShapeColor(const ShapeRef& ref, const QColor& color)
{
    ZenubProject after = m_project;
    ZenubShape* shape = mutableShape(after, ref);
    if (!shape || !color.isValid() || shape->getFillColor() == color)
        return false;
    shape->setFillColor(color);
    pushEdit(tr("Change Colour of %1").arg(shape->getName()), after);
    return true;
}

bool DesignerDocument::setShapeText(const ShapeRef& ref, const QString& text)
{
    ZenubProject after = m_project;
    ZenubShape* shape = mutableShape(after, ref);
    if (!shape || shape->getType() != ZenubShape::Type::Text || text.isEmpty() ||
        shape->getText() == text)
        return false;
    shape->setText(text);
    pushEdit(tr("Edit Text"), after);
    return true;
}

void DesignerDocument::reportError(const QString& text)
{
    IUi::getInstance()->showWarning(ICore::getMainWindow(), QString::fromLatin1(kTitle), text,
                                    QMessageBox::Ok, QMessageBox::Ok);
}

bool DesignerDocument::open()
{
    ZenubProjectFile file(getFileName());
    ZenubProject project;
    if (!file.load(&project)) {
        reportError(file.getErrorString());
        return false;
    }
    m_pUndoStack->clear();
    setOpenAsBackup(false);
    // A backup newer than the file holds edits that were never saved: offer them back.
    const QFileInfo backupInfo(backupFileName(getFileName()));
    ZenubProject recovered;
    if (backupInfo.exists() &&
        backupInfo.lastModified() >= QFileInfo(getFileName()).lastModified() &&
        ZenubProjectFile(backupInfo.filePath()).load(&recovered) && recovered != project &&
        IUi::getInstance()->showQuestion(
            ICore::getMainWindow(), QString::fromLatin1(kTitle),
            tr("%1 has unsaved changes from an earlier session. Do you want to recover "
               "them?")
                .arg(QFileInfo(getFileName()).completeBaseName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes) {
        setProject(recovered);
        setOpenAsBackup(true);
        // The recovered edits are not on disk yet, so closing must still ask to save them.
        m_pUndoStack->resetClean();
        return true;
    }
    setProject(project);
    return true;
}

bool DesignerDocument::openBackup()
{
    ZenubProjectFile file(backupFileName(getFileName()));
    ZenubProject recovered;
    if (!file.load(&recovered)) {
        reportError(file.getErrorString());
        return false;
    }
    m_pUndoStack->clear();
    setProject(recovered);
    setOpenAsBackup(true);
    m_pUndoStack->resetClean();
    return true;
}

bool DesignerDocument::save()
{
    if (getFileName().isEmpty() || isTempDocument())
        return saveAs();
    return save(getFileName());
}

bool DesignerDocument::save(const QString& strFile)
{
    ZenubProjectFile file(strFile);
    if (!file.save(m_project)) {
        reportError(file.getErrorString());
        return false;
    }
    const QString oldName = getFileName();
    if (!oldName.isEmpty())
        QFile::remove(backupFileName(oldName));
    if (oldName != strFile) {
        setFileName(strFile);
        emit titleChanged();
    }
    setIsTempDocument(false);
    setOpenAsBackup(false);
    const bool bWasClean = m_pUndoStack->isClean();
    m_pUndoStack->setClean();
    if (bWasClean)
        emit modifyChanged(false);
    return true;
}

QString DesignerDocument::askSaveFileName()
{
    QString folder = QFileInfo(getFileName()).absolutePath();
    if (getFileName().isEmpty())
        folder = QDir::homePath();
    return QFileDialog::getSaveFileName(ICore::getMainWindow(), tr("Save Project As"), folder,
                                        tr("Zenub projects (*.zenub)"));
}

bool DesignerDocument::saveAs()
{
    QString path = askSaveFileName();
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("zenub"), Qt::CaseInsensitive) != 0)
        path += QLatin1String(".zenub");
    return save(path);
}

bool DesignerDocument::revert()
{
    if (getFileName().isEmpty())
        return false;
    return open();
}

QString DesignerDocument::backupFileName(const QString& fileName)
{
    return fileName + QLatin1String(".bak");
}

bool DesignerDocument::saveBackup()
{
    if (getFileName().isEmpty())
        return false;
    // Nothing to lose while the file on disk matches the editor.
    if (!isModified())
        return true;
    ZenubProjectFile file(backupFileName(getFileName()));
    return file.save(m_project);
}
