// SPDX-License-Identifier: MIT
#include "modalanswerer.h"

#include "richtextprobe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

ModalAnswerer::ModalAnswerer(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
}

void ModalAnswerer::answer(QMessageBox::StandardButton button)
{
    m_answers.append({true, static_cast<int>(button)});
    m_timer.start();
}

void ModalAnswerer::finish(int code)
{
    m_answers.append({false, code});
    m_timer.start();
}

void ModalAnswerer::poll()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || m_answers.isEmpty())
        return;
    const Answer next = m_answers.takeFirst();
    if (m_answers.isEmpty())
        m_timer.stop();
    auto* box = qobject_cast<QMessageBox*>(dialog);
    m_texts << (box ? box->text() : dialog->windowTitle());
    m_labelHeights << RichTextProbe::tallestLabel(dialog);
    if (next.isButton && box) {
        if (QAbstractButton* button =
                box->button(static_cast<QMessageBox::StandardButton>(next.value))) {
            button->click();
            return;
        }
    }
    dialog->done(next.value);
}
