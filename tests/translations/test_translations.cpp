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

    QString shown() const
    {
        return QCoreApplication::translate(
            qPrintable(context), qPrintable(source), comment.isEmpty() ? nullptr : qPrintable(comment));
    }
};

// The messages of a .ts file; none when it cannot be read whole.
QList<Message> messagesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.last().comment = xml.readElementText();
        else if (xml.name() == u"translation")
            messages.last().translation = xml.readElementText();
    }
    return xml.hasError() ? QList<Message>() : messages;
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
    // A regional variant finds its language, whole; English is the source and stays as written.
    void eachLanguageIsSpokenWholeKeepingWhatTheProgramFillsIn()
    {
        const QDir folder(TESSARIN_SOURCE_DIR "/translations");
        const QStringList files = folder.entryList({"tessarin_*.ts"}, QDir::Files);
        QVERIFY(files.size() >= 3);
        QList<Message> messages;
        for (const QString& name : files) {
            messages = messagesOf(folder.filePath(name));
            QVERIFY2(messages.size() > 100, qPrintable(name));
            useLanguage(*qApp, QLocale(name.section('_', 1).section('.', 0, 0) + "_CH"));
            for (const Message& message : messages) {
                QVERIFY2(filledIn(message.translation) == filledIn(message.source),
                    qPrintable(name + ": " + message.source + " -> " + message.translation));
                QCOMPARE(message.shown(), message.translation);
            }
            // Qt's own buttons speak it too.
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
            removeTranslators();
        }
        useLanguage(*qApp, QLocale("en_US"));
        for (const Message& message : messages)
            QCOMPARE(message.shown(), message.source);
        removeTranslators();
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
