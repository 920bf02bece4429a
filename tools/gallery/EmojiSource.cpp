// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmojiSource.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

namespace {

bool readJson(const QString& path, QJsonObject& object, QString& why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = path + ": " + file.errorString();
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        why = path + ": " + error.errorString();
        return false;
    }
    object = document.object();
    return true;
}

// "red-apple" becomes "Red Apple"; the small words inside stay small.
QString englishTitle(const QString& name)
{
    static const QStringList small {"a", "an", "and", "at", "by", "for", "in", "of", "on", "or", "the", "to", "with"};
    QStringList words = name.split('-', Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); ++i)
        if (i == 0 || !small.contains(words[i]))
            words[i][0] = words[i][0].toUpper();
    return words.join(' ');
}

// A title starts with a capital, as a sentence does.
QString sentenceCase(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The emoji's text-to-speech names by emoji, without variation selectors.
bool readAnnotations(const QString& path, QHash<QString, QString>& names, QString& why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = path + ": " + file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("annotation"))
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value("type") != QLatin1String("tts"))
            continue;
        QString emoji = attributes.value("cp").toString();
        emoji.remove(QChar(0xfe0f));
        names.insert(emoji, xml.readElementText());
    }
    if (xml.hasError()) {
        why = path + ": " + xml.errorString();
        return false;
    }
    return true;
}

QString emojiOf(const QString& codePoints)
{
    QString emoji;
    for (const QString& hex : codePoints.split('-')) {
        const char32_t point = char32_t(hex.toUInt(nullptr, 16));
        if (point != 0xfe0f)
            emoji += QString::fromUcs4(&point, 1);
    }
    return emoji;
}

} // namespace

bool readEmojiSet(const QString& folder, const QString& annotations, std::vector<EmojiDrawing>& drawings, QString& why)
{
    QJsonObject icons, metadata, chars;
    if (!readJson(folder + "/icons.json", icons, why) || !readJson(folder + "/metadata.json", metadata, why)
        || !readJson(folder + "/chars.json", chars, why))
        return false;
    std::array<QHash<QString, QString>, 3> names;
    for (int i = 0; i < 3; ++i)
        if (!readAnnotations(annotations + '/' + QStringList {"de", "fr", "es"}[i] + ".xml", names[size_t(i)], why))
            return false;
    QHash<QString, QString> emojiByName;
    for (auto point = chars.begin(); point != chars.end(); ++point)
        emojiByName.insert(point.value().toString(), emojiOf(point.key()));
    QHash<QString, QString> categoryByName;
    const QJsonObject categories = metadata.value("categories").toObject();
    for (auto category = categories.begin(); category != categories.end(); ++category)
        for (const QJsonValue name : category.value().toArray())
            categoryByName.insert(name.toString(), category.key());

    const int width = icons.value("width").toInt(16);
    const int height = icons.value("height").toInt(16);
    const QJsonObject bodies = icons.value("icons").toObject();
    for (auto icon = bodies.begin(); icon != bodies.end(); ++icon) {
        EmojiDrawing drawing;
        drawing.name = icon.key();
        drawing.category = categoryByName.value(drawing.name);
        const QJsonObject entry = icon.value().toObject();
        drawing.svg = QStringLiteral(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">%3</svg>")
                          .arg(entry.value("width").toInt(width))
                          .arg(entry.value("height").toInt(height))
                          .arg(entry.value("body").toString())
                          .toUtf8();
        drawing.titles[0] = englishTitle(drawing.name);
        const QString emoji = emojiByName.value(drawing.name);
        for (int i = 0; i < 3; ++i)
            drawing.titles[size_t(i) + 1] = sentenceCase(names[size_t(i)].value(emoji));
        drawings.push_back(std::move(drawing));
    }
    return true;
}
