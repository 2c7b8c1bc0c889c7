// SPDX-License-Identifier: MIT
#ifndef GERMANCATALOGUE_H
#define GERMANCATALOGUE_H

#include <QCoreApplication>
#include <QTranslator>

/*! The built German catalogue, installed in the application while the object lives. */
class GermanCatalogue
{
public:
    GermanCatalogue()
    {
        m_loaded = m_translator.load(path());
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~GermanCatalogue() { QCoreApplication::removeTranslator(&m_translator); }
    GermanCatalogue(const GermanCatalogue&) = delete;
    GermanCatalogue& operator=(const GermanCatalogue&) = delete;

    bool isLoaded() const { return m_loaded; }
    static QString path()
    {
        return qEnvironmentVariable("ZENUB_BUILD_DIR") +
               QStringLiteral("/bin/translations/zenub_de_DE.qm");
    }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

#endif
