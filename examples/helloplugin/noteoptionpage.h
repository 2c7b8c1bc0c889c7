// SPDX-License-Identifier: MIT
#ifndef NOTEOPTIONPAGE_H
#define NOTEOPTIONPAGE_H

#include <options/ioptionpage.h>
#include <options/ioptionpagefactory.h>

class QLabel;
class QLineEdit;

/*! Preferences > Notes: how Insert Date and Time writes the date. */
class NoteOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit NoteOptionPage(QWidget* parent);

    /*! The stored format (QDateTime::toString() syntax), or the default one. */
    static QString dateFormat();

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

private:
    void updatePreview();

    QLineEdit* m_pFormat = nullptr;
    QLabel* m_pPreview = nullptr;
};

/*! Puts the Notes page into the preferences. */
class NoteOptionPageFactory : public IOptionPageFactory
{
    Q_OBJECT
public:
    QString displayName() const override { return tr("Notes"); }
    IOptionPage* createPage(QWidget* parent) override { return new NoteOptionPage(parent); }
};

#endif
