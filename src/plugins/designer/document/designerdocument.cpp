// SPDX-License-Identifier: MIT
#include "designerdocument.h"

#include "dialogs/dialogfolders.h"
#include "model/edits/groupedits.h"
#include "model/edits/newcontent.h"
#include "model/io/lottie/lottieimporter.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "projectbackup.h"
#include "projecteditcommand.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <tuple>

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
        ProjectBackup::remove(fileName);
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
    if (bFlag)
        project.scenes()[0].layers()[0].addShape(NewContent::title(name, nValue1, nValue2));
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
    if (frame < 0)
        return false;
    return editShapes(
        refs, text, [&](ZenubShape& shape) { shape.editAt(frame, m_bAutoKey, change); }, mergeKey);
}

bool DesignerDocument::editShapeProperties(const QVector<ShapeRef>& refs, int frame,
                                           const QString& text,
                                           const std::function<void(ZenubShapeState&)>& change,
                                           int mergeKey)
{
    if (frame < 0)
        return false;
    return editShapes(
        refs, text, [&](ZenubShape& shape) { shape.editStateAt(frame, m_bAutoKey, change); },
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
                ZenubShape* shape = ref.find(project);
                if (!shape)
                    return false;
                change(*shape);
            }
            // A group's box follows its members, in the same step.
            GroupEdits::fitGroupsOf(project, refs);
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

const ZenubShape* DesignerDocument::shapeAt(const ShapeRef& ref) const
{
    return ref.find(m_project);
}

bool DesignerDocument::addShape(int scene, int type, const QString& text, int layerIndex)
{
    if (scene < 0 || scene >= m_project.getScenes().size() || type < 0 ||
        type > int(ZenubShape::Type::Text))
        return false;
    const ZenubShape shape = NewContent::shape(m_project, scene, ZenubShape::Type(type), text);
    ZenubProject after = m_project;
    ZenubScene& target = after.scenes()[scene];
    NewContent::ensureLayer(target);
    ZenubLayer& layer = target.layers()[NewContent::layerFor(target, layerIndex)];
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
    NewContent::ensureLayer(target);
    QVector<ShapeRef> added;
    for (const auto& entry : shapes) {
        const int layer = NewContent::layerFor(target, entry.first);
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
    ZenubShape* shape = ref.find(after);
    if (!shape || frame < 0)
        return false;
    shape->tracks().keyAt(frame, ZenubProperties::box());
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
        return std::tie(a.scene, a.layer, a.shape, a.members) >
               std::tie(b.scene, b.layer, b.shape, b.members);
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    ZenubProject after = m_project;
    QString name;
    for (const ShapeRef& ref : qAsConst(sorted)) {
        const ZenubShape* shape = ref.find(after);
        if (!shape)
            return false;
        name = shape->getName();
        if (!ref.isMember()) {
            after.scenes()[ref.scene].layers()[ref.layer].shapes().removeAt(ref.shape);
            continue;
        }
        ZenubShape* group = ref.parent().find(after);
        QVector<ZenubShape> members = group->getMembers();
        members.removeAt(ref.members.constLast());
        group->setMembers(members);
    }
    GroupEdits::fitGroupsOf(after, sorted);
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
    after.addScene(NewContent::scene(after));
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

bool DesignerDocument::setShapeColor(const ShapeRef& ref, int frame, const QColor& color)
{
    const ZenubShape* shape = shapeAt(ref);
    if (!shape || !color.isValid())
        return false;
    return editShapeProperties({ref}, frame, tr("Change Colour of %1").arg(shape->getName()),
                               [&color](ZenubShapeState& state) {
                                   state.fill.setType(ZenubPaint::Type::Solid);
                                   state.fill.setColor(color);
                               });
}

bool DesignerDocument::setShapeText(const ShapeRef& ref, const QString& text)
{
    ZenubProject after = m_project;
    ZenubShape* shape = ref.find(after);
    if (!shape || shape->getType() != ZenubShape::Type::Text || text.isEmpty() ||
        shape->getText() == text)
        return false;
    shape->setText(text);
    pushEdit(tr("Edit Text"), after);
    return true;
}

void DesignerDocument::reportError(const QString& text)
{
    IUi::getInstance()->showWarning(ICore::getMainWindow(), QStringLiteral("Zenub Animate"), text,
                                    QMessageBox::Ok, QMessageBox::Ok);
}

bool DesignerDocument::openLottie()
{
    ZenubProject project;
    QStringList leftOut;
    QString error;
    if (!LottieImporter::importFile(getFileName(), &project, &leftOut, &error)) {
        reportError(error);
        return false;
    }
    m_pUndoStack->clear();
    setOpenAsBackup(false);
    // A new project made from the file: Save asks where to keep it, and the file stays as it is.
    setIsTempDocument(true);
    setProject(project);
    if (!leftOut.isEmpty())
        IUi::getInstance()->showInformation(ICore::getMainWindow(), QStringLiteral("Zenub Animate"),
                                            LottieImporter::leftOutMessage(getFileName(), leftOut),
                                            QMessageBox::Ok, QMessageBox::Ok);
    return true;
}

bool DesignerDocument::open()
{
    if (LottieImporter::isLottieFile(getFileName()))
        return openLottie();
    ZenubProjectFile file(getFileName());
    ZenubProject project;
    if (!file.load(&project)) {
        reportError(file.getErrorString());
        return false;
    }
    m_pUndoStack->clear();
    setOpenAsBackup(false);
    ZenubProject recovered;
    if (ProjectBackup::offerRecovery(getFileName(), project, &recovered)) {
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
        ProjectBackup::remove(oldName);
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
    QString start = DialogFolders::start(DialogFolders::Projects, getFileName());
    // A project made from another file is offered that file's name.
    if (isTempDocument() && !getFileName().isEmpty())
        start = QDir(start).filePath(QFileInfo(getFileName()).completeBaseName() + ".zenub");
    const QString file = QFileDialog::getSaveFileName(ICore::getMainWindow(), tr("Save Project As"),
                                                      start, tr("Zenub projects (*.zenub)"));
    if (!file.isEmpty())
        DialogFolders::remember(DialogFolders::Projects, file);
    return file;
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
    return ProjectBackup::fileName(fileName);
}

bool DesignerDocument::saveBackup()
{
    // A project opened from a Lottie file has no project file of its own to stand beside.
    if (getFileName().isEmpty() || LottieImporter::isLottieFile(getFileName()))
        return false;
    // Nothing to lose while the file on disk matches the editor.
    if (!isModified())
        return true;
    return ProjectBackup::write(getFileName(), m_project);
}
