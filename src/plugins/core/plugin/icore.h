// SPDX-License-Identifier: MIT
#ifndef ICORE_H
#define ICORE_H

#include "core_export.h"

#include <QObject>
#include <QSettings>

class MainWindow;

/*!
    The service through which plugins reach the main window, the host's settings and the
    application folder. The main window creates the single instance and deletes it; before and
    after that getInstance() and getMainWindow() return null.
*/
class CORE_EXPORT ICore : public QObject
{
    Q_OBJECT
public:
    static ICore* getInstance();
    static MainWindow* getMainWindow();
    /*! UserScope gives the host's user settings, any other scope its global settings. */
    static QSettings* settings(QSettings::Scope scope = QSettings::UserScope);
    /*! The folder of the executable; translations, styles and help files sit below it. */
    static QString resourcePath();

    // The order of the signal and slot is part of the interface.
signals:
    void aboutToSaveSettings();

public slots:
    /*! Lets every part write its pending values, then syncs user and global settings. */
    void saveSettings();

private:
    friend class MainWindow;
    explicit ICore(MainWindow* mainWindow);
    ~ICore() override;

    static ICore* m_instance;
    static MainWindow* m_mainWindow;
};

#endif
