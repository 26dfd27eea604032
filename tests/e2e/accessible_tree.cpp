#include "accessible_tree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::vector<Accessible> ParseTree(const QByteArray& lines)
{
    std::vector<Accessible> tree;
    for (const QByteArray& line : lines.split('\n')) {
        const QJsonObject node = QJsonDocument::fromJson(line).object();
        if (node.isEmpty())
            continue;
        Accessible accessible;
        accessible.depth = node.value(QLatin1String("depth")).toInt();
        accessible.role = node.value(QLatin1String("role")).toString().toStdString();
        accessible.name = node.value(QLatin1String("name")).toString().toStdString();
        accessible.description = node.value(QLatin1String("description")).toString();
        for (const QJsonValue state : node.value(QLatin1String("states")).toArray())
            accessible.states.append(state.toString());
        const QJsonArray box = node.value(QLatin1String("extents")).toArray();
        if (box.size() == 4)
            accessible.extents = QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
        tree.push_back(accessible);
    }
    return tree;
}
