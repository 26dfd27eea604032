#include "wayland_buffers.h"

#include <QHash>
#include <QRegularExpression>

std::vector<ToplevelBuffer> ToplevelBuffers(const QString& protocolLog)
{
    // The requests and events that matter, in the order the log has them; object ids are
    // reused once destroyed, so each is read in the light of those before it. libwayland
    // writes an object as interface@id, newer releases as interface#id.
    static const QRegularExpression line(QStringLiteral(
        R"((\w+)[@#](\d+)\.(get_xdg_surface|get_toplevel|create_buffer|attach|set_buffer_scale|get_viewport|)"
        R"(set_destination|get_fractional_scale|preferred_scale)\(([^)]*)\))"));
    static const QRegularExpression id(QStringLiteral(R"([@#](\d+))"));
    static const QRegularExpression number(QStringLiteral(R"((?:^|, )(-?\d+)(?=,|$))"));

    QHash<QString, QString> surfaces;  // wl_surface by its xdg_surface
    QHash<QString, std::size_t> toplevels;  // the entry by its wl_surface
    QHash<QString, QSize> buffers;
    QHash<QString, QString> viewports, fractionals;  // the surface each belongs to, which may come first
    std::vector<ToplevelBuffer> result;
    for (auto match = line.globalMatch(protocolLog); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const QString object = m.captured(2), request = m.captured(3), arguments = m.captured(4);
        QStringList ids, numbers;
        for (auto i = id.globalMatch(arguments); i.hasNext();)
            ids << i.next().captured(1);
        for (auto n = number.globalMatch(arguments); n.hasNext();)
            numbers << n.next().captured(1);
        if (request == QLatin1String("get_xdg_surface") && ids.size() == 2) {
            surfaces.insert(ids[0], ids[1]);
            toplevels.remove(ids[1]);  // a reused surface id: a new window, a toplevel only once it asks
        } else if (request == QLatin1String("get_toplevel") && surfaces.contains(object)) {
            toplevels.insert(surfaces.value(object), result.size());
            result.emplace_back();
        } else if (request == QLatin1String("create_buffer") && ids.size() == 1 && numbers.size() == 5) {
            buffers.insert(ids[0], QSize(numbers[1].toInt(), numbers[2].toInt()));
        } else if (request == QLatin1String("get_viewport") && ids.size() == 2) {
            viewports.insert(ids[0], ids[1]);
        } else if (request == QLatin1String("get_fractional_scale") && ids.size() == 2) {
            fractionals.insert(ids[0], ids[1]);
        } else if (toplevels.contains(object) && request == QLatin1String("attach") && ids.size() == 1) {
            result[toplevels.value(object)].buffer = buffers.value(ids[0]);
        } else if (toplevels.contains(object) && request == QLatin1String("set_buffer_scale") && numbers.size() == 1) {
            result[toplevels.value(object)].bufferScale = numbers[0].toInt();
        } else if (request == QLatin1String("set_destination") && numbers.size() == 2) {
            if (const QString surface = viewports.value(object); toplevels.contains(surface))
                result[toplevels.value(surface)].viewport = QSize(numbers[0].toInt(), numbers[1].toInt());
        } else if (request == QLatin1String("preferred_scale") && numbers.size() == 1) {
            if (const QString surface = fractionals.value(object); toplevels.contains(surface))
                result[toplevels.value(surface)].preferredScale = numbers[0].toInt();
        }
    }
    return result;
}

ToplevelBuffer LastToplevelBuffer(const QString& protocolLog)
{
    const std::vector<ToplevelBuffer> all = ToplevelBuffers(protocolLog);
    return all.empty() ? ToplevelBuffer() : all.front();
}
