// SPDX-License-Identifier: MIT
#ifndef REPORTDIALOG_H
#define REPORTDIALOG_H

#include "core_export.h"

#include <QDialog>
#include <QUrl>

class QPlainTextEdit;
class QPushButton;

/*!
    Help > Report a Problem and Help > Provide a Suggestion: prepares a report from what the
    user writes and the facts of this run (version, build, system, Qt, screen scale, language,
    theme, the last warnings), shows all of it, and on the user's request either opens the
    report address (a mailto: or web address from the settings) with the text, or saves the
    text to a file. Nothing leaves the machine without one of these two clicks.
*/
class CORE_EXPORT ReportDialog : public QDialog
{
    Q_OBJECT
public:
    enum Kind { Problem, Suggestion };

    explicit ReportDialog(Kind kind, QWidget* parent = nullptr);

    /*! Settings key of the report address, and its value when the key is missing. */
    static QString addressKey() { return QStringLiteral("Zenub/Report.Address"); }
    static QString defaultAddress() { return QStringLiteral("mailto:support@zenub-animate.org"); }
    /*! The configured address, or the default. */
    static QString address();

    /*! The whole text: what the user wrote, then the details of this run. */
    static QString composeReport(const QString& userText, const QString& environment,
                                 const QStringList& warnings);
    /*!
        The address with the report in it: subject and body for mailto:, title and body as
        query items for http and https. Invalid for any other scheme.
    */
    static QUrl reportUrl(const QString& address, const QString& subject, const QString& body);

    QString reportText() const;

protected:
    /*! Where to save; empty when the user cancels. A seam for tests. */
    virtual QString askFileName();

private:
    void updateButtons();
    void openAddress();
    void saveToFile();
    QString subject() const;

    Kind m_kind;
    QString m_environment;
    QStringList m_warnings;
    QPlainTextEdit* m_pUserText = nullptr;
    QPlainTextEdit* m_pDetails = nullptr;
    QPushButton* m_pOpenButton = nullptr;
    QPushButton* m_pSaveButton = nullptr;
};

#endif
