// SPDX-License-Identifier: MIT
#ifndef FILECOMMANDS_H
#define FILECOMMANDS_H

#include <QList>
#include <QObject>
#include <QString>

class IDocument;
class IDocumentFactory;
class IEditor;
class MainWindow;
class QDropEvent;
class RecentProjectsMenu;
class SaveCommandState;

/*!
    The File commands that create, open, save and close projects, and the bookkeeping that
    gives a loaded document its editor, its place in the shared undo group and its backup timer.
    The main window's File slots delegate here.
*/
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(MainWindow* window, RecentProjectsMenu* recentProjects);

    /*! Save and Save As follow the active document through \a state once the menu exists. */
    void setSaveState(SaveCommandState* state);

    /*! The document factories of every plugin, in the order of the object pool. */
    static QList<IDocumentFactory*> documentFactories();
    /*! The first factory: it serves File > New, File > Open and the preferences. */
    static IDocumentFactory* defaultFactory();
    static IDocumentFactory* factoryForSuffix(const QString& suffix);
    /*! The document of the active editor, if any. */
    static IDocument* activeDocument();

    bool loadFile(const QString& fileName);
    bool loadOpenedDocument(IDocument* document, bool addToRecentFiles);
    void newProject();
    void open();
    void save();
    void saveAs();
    void close();
    /*!
        Closes every open document, the last opened first, each asking about unsaved changes;
        false as soon as one is kept open.
    */
    bool closeAll();
    /*! Closes every document with an editor without the chance to cancel. */
    void closeAllWithoutAsking();
    /*!
        Opens the project dropped on the window, if it is one; other files are ignored. False
        when the drop carries no file address at all.
    */
    bool openDropped(QDropEvent* drop);
    /*! Takes a closing document and its editor apart, now or on return to the event loop. */
    void documentRequestsClosing(IDocument* document, bool deleteLater);

private slots:
    void onDocumentRequestClosing(bool deleteLater);

private:
    /*! Gives \a document its editor, its undo stack in the group and the user's attention. */
    void install(IDocument* document, IEditor* editor);
    void updateWelcomeVisibility();
    void updateSaveState();

    MainWindow* m_pWindow;
    RecentProjectsMenu* m_pRecentProjects;
    SaveCommandState* m_pSaveState = nullptr;
};

#endif
