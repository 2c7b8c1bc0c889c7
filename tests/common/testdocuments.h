// SPDX-License-Identifier: MIT
#ifndef TESTDOCUMENTS_H
#define TESTDOCUMENTS_H

#include <documents/icreatedocumentdlg.h>
#include <documents/idocument.h>
#include <documents/idocumentfactory.h>
#include <documents/ieditor.h>
#include <options/ioptionsdlg.h>

#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

/*!
    A document type for driving the main window the way a plugin would: a factory that can be
    put into the plugin manager's object pool, documents and editors that write every call
    they get to a shared log ("open a.zenub", "close b.zenub", "deleted c.zenub"; the log lives
    as long as the last of them), a new-document
    dialog with values the test chooses, and a preferences dialog that counts its showings.
*/
class TestDocument : public IDocument
{
    Q_OBJECT
public:
    explicit TestDocument(std::shared_ptr<QStringList> log);
    ~TestDocument() override;

    /*! Puts an edit on the undo stack, so the document has changes to save. */
    void makeModified();
    QString name() const;

    bool initNewDocument(int nValue1, int nValue2, int nValue3, bool bFlag) override;
    bool open() override;
    bool close() override;
    bool save() override;
    bool saveAs() override;
    void cleanTempDir() override { record(QStringLiteral("cleanTempDir")); }

    // Outcomes the test chooses.
    bool initResult = true;
    bool saveResult = true;
    bool saveAsResult = true;
    QString saveAsFileName; //!< the name a successful saveAs() gives the document
    // What the document got.
    QList<int> initValues;
    bool initFlag = false;

private:
    void record(const QString& call) const;
    std::shared_ptr<QStringList> m_log;
};

class TestEditor : public IEditor
{
    Q_OBJECT
public:
    explicit TestEditor(std::shared_ptr<QStringList> log);
    ~TestEditor() override;

private:
    std::shared_ptr<QStringList> m_log;
};

class TestNewDocumentDialog : public ICreateDocumentDlg
{
    Q_OBJECT
public:
    explicit TestNewDocumentDialog(std::shared_ptr<QStringList> log);

    QString getDocumentPath() override { return logged(QStringLiteral("dialog path"), path); }
    int getValue1() override { return logged(QStringLiteral("dialog value1"), values[0]); }
    int getValue2() override { return logged(QStringLiteral("dialog value2"), values[1]); }
    int getValue3() override { return logged(QStringLiteral("dialog value3"), values[2]); }
    bool getFlag() override { return logged(QStringLiteral("dialog flag"), flag); }

    QString path;
    int values[3] = {0, 0, 0};
    bool flag = false;

private:
    template<typename T>
    T logged(const QString& call, T value)
    {
        m_log->append(call);
        return value;
    }
    std::shared_ptr<QStringList> m_log;
};

class TestOptionsDialog : public IOptionsDlg
{
    Q_OBJECT
public:
    using IOptionsDlg::IOptionsDlg;
    int showDialog() override;
    void createPages() override {}
    void onApply() override {}
    void onCancel() override { reject(); }
    void onOK() override { accept(); }
    void onPageChanged(int nPage) override { Q_UNUSED(nPage) }
    void updateButtons() override {}
    bool hasChanges() override { return false; }
    void setCurrentPage(int nPage) override { Q_UNUSED(nPage) }

    int shown = 0;
};

class TestDocumentFactory : public IDocumentFactory
{
    Q_OBJECT
public:
    explicit TestDocumentFactory(const QStringList& suffixes = {QStringLiteral("zenub")});
    /*! Leaves the object pool when it was put there. */
    ~TestDocumentFactory() override;

    void addToPool();

    IDocument* createDocument() override;
    IEditor* createEditor() override;
    QStringList supportedSuffixes() override { return m_suffixes; }
    IOptionsDlg* createOptionsDialog() override;
    ICreateDocumentDlg* createNewDocumentDialog() override;
    QString selectFileToOpen() override;

    QStringList log() const { return *m_log; }
    void clearLog() { m_log->clear(); }

    QList<QPointer<TestDocument>> documents;
    QList<QPointer<TestEditor>> editors;
    QList<QPointer<TestOptionsDialog>> optionsDialogs;
    int optionsRequests = 0;
    bool suppliesOptions = true;
    /*! Set up each new-document dialog before it is shown. */
    std::function<void(TestNewDocumentDialog*)> prepareDialog;
    /*! Set up each new document. */
    std::function<void(TestDocument*)> prepareDocument;
    QString fileToOpen;

private:
    std::shared_ptr<QStringList> m_log = std::make_shared<QStringList>();
    QStringList m_suffixes;
    bool m_inPool = false;
};

#endif
