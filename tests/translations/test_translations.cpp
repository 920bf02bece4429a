// SPDX-License-Identifier: GPL-3.0-or-later
// The translations as the program uses them: each keeps what the program fills in, and the
// program speaks them when the system asks for their language.
#include "Language.h"

#include <QtTest>

#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment; // the disambiguation, passed to translate()
    QString translation;
    bool finished = true;
};

struct Translation {
    QString language; // "de", from the file's name
    QList<Message> messages;
};

QList<Translation> committedTranslations()
{
    QList<Translation> all;
    const QDir folder(TESSARIN_SOURCE_DIR "/translations");
    for (const QString& name : folder.entryList({"tessarin_*.ts"}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Translation translation {name.section('_', 1).section('.', 0, 0), {}};
        QXmlStreamReader xml(&file);
        QString context;
        Message message;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = {context, {}, {}, {}, true};
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"comment") {
                message.comment = xml.readElementText();
            } else if (xml.name() == u"translation") {
                message.finished = xml.attributes().value("type").isEmpty();
                message.translation = xml.readElementText();
                translation.messages << message;
            }
        }
        if (!xml.hasError())
            all << translation;
    }
    return all;
}

// What the program or Qt reads out of a text: its placeholders, its markup with the links,
// and the key a menu entry shows after a tab.
QStringList filledIn(const QString& text)
{
    static const QRegularExpression marks(R"(%\d|<[^>]*>)");
    QStringList found;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text))
        found << match.captured();
    found.sort();
    if (text.contains('\t'))
        found << text.section('\t', 1);
    return found;
}

void removeTranslators()
{
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { removeTranslators(); }

    void everyTextIsTranslatedKeepingWhatTheProgramFillsIn()
    {
        const QList<Translation> translations = committedTranslations();
        // Every file read, none skipped as unreadable.
        QCOMPARE(translations.size(),
            QDir(TESSARIN_SOURCE_DIR "/translations").entryList({"tessarin_*.ts"}, QDir::Files).size());
        QVERIFY(translations.size() >= 3);
        for (const Translation& translation : translations) {
            QVERIFY(translation.messages.size() > 100);
            for (const Message& message : translation.messages) {
                const QString where = translation.language + ": " + message.context + ": " + message.source;
                QVERIFY2(message.finished && !message.translation.isEmpty(), qPrintable(where));
                QVERIFY2(filledIn(message.translation) == filledIn(message.source),
                    qPrintable(where + " -> " + message.translation));
            }
        }
    }

    // A regional variant finds its language; English is the source and stays as written.
    void theGameSpeaksTheSystemsLanguage()
    {
        const QList<Translation> translations = committedTranslations();
        QVERIFY(!translations.isEmpty());
        for (const Translation& translation : translations) {
            useLanguage(*qApp, QLocale(translation.language + "_CH"));
            for (const Message& message : translation.messages)
                QCOMPARE(QCoreApplication::translate(qPrintable(message.context), qPrintable(message.source),
                             message.comment.isEmpty() ? nullptr : qPrintable(message.comment)),
                    message.translation);
            // Qt's own buttons speak it too.
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
            removeTranslators();
        }
        useLanguage(*qApp, QLocale("en_US"));
        for (const Message& message : translations.first().messages)
            QCOMPARE(QCoreApplication::translate(qPrintable(message.context), qPrintable(message.source),
                         message.comment.isEmpty() ? nullptr : qPrintable(message.comment)),
                message.source);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
