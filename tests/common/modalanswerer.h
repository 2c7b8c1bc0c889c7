// SPDX-License-Identifier: MIT
#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

/*!
    Answers modal dialogs the code under test opens, so no test can hang. Each queued answer
    closes the next modal widget: a message box by pressing the given standard button, any
    other dialog with done(code). The texts of the answered message boxes are recorded.
*/
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit ModalAnswerer(QObject* parent = nullptr);

    /*! Presses \a button on the next message box. */
    void answer(QMessageBox::StandardButton button);
    /*! Closes the next modal dialog with done(\a code); -1 closes a box without a button. */
    void finish(int code);

    int pending() const { return m_answers.size(); }
    int answered() const { return m_texts.size(); }
    QStringList texts() const { return m_texts; }
    /*! The height of each answered box's tallest label (see RichTextProbe). */
    QList<int> labelHeights() const { return m_labelHeights; }

private:
    struct Answer
    {
        bool isButton;
        int value;
    };
    void poll();

    QList<Answer> m_answers;
    QStringList m_texts;
    QList<int> m_labelHeights;
    QTimer m_timer;
};

#endif
