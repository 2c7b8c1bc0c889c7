// SPDX-License-Identifier: MIT
#ifndef IMAGEINSERTION_H
#define IMAGEINSERTION_H

#include <QCoreApplication>
#include <QString>

class QWidget;
class StageWidget;

/*!
    Insert > Image...: asks for a PNG, JPEG or SVG file and adds it to the stage's scene as
    one undoable step, selected. Whatever goes wrong is told to the user and changes nothing.
*/
class ImageInsertion
{
    Q_DECLARE_TR_FUNCTIONS(ImageInsertion)
public:
    /*! Asks for the file, then inserts it; \a stage's window parents the dialogs. */
    static void run(StageWidget* stage);
    /*! Inserts \a fileName; false with \a errorString set when it cannot. */
    static bool insertFile(StageWidget* stage, const QString& fileName, QString* errorString);
    /*! Adds the menu and its command to the main window, disabled until an editor is active. */
    static void addMenu(QWidget* window);
};

#endif
