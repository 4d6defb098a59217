#include "procedures/YamlFields.h"

namespace vk220::procedures {

ProcedureProblem ProblemAt(const YAML::Node &node, const QString &text) {
    const YAML::Mark mark = node.Mark();
    if (mark.is_null())
        return {0, 0, text};
    return {mark.line + 1, mark.column + 1, text};
}

YamlFields::YamlFields(const YAML::Node &node, const QString &what) : node(node), what(what) {
    if (!node.IsMap())
        throw ProblemAt(node, what + QStringLiteral(" is not a mapping of keys and values"));
}

void YamlFields::Allow(const QStringList &allowed) const {
    QStringList seen;
    for (auto it = node.begin(); it != node.end(); ++it) {
        const QString key = QString::fromStdString(it->first.Scalar());
        if (!allowed.contains(key))
            throw ProblemAt(it->first, QStringLiteral("%1: unknown key \"%2\" (known: %3)")
                                           .arg(what, key, allowed.join(QStringLiteral(", "))));
        if (seen.contains(key))
            throw ProblemAt(it->first,
                            QStringLiteral("%1: the key \"%2\" is given twice").arg(what, key));
        seen << key;
    }
}

bool YamlFields::Has(const QString &key) const {
    return bool(node[key.toStdString()]);
}

YAML::Node YamlFields::Node(const QString &key) const {
    const YAML::Node value = node[key.toStdString()];
    if (!value)
        throw Problem(QStringLiteral("%1 has no \"%2\"").arg(what, key));
    return value;
}

QString YamlFields::Text(const QString &key) const {
    const YAML::Node value = Node(key);
    const QString text =
        value.IsScalar() ? QString::fromStdString(value.Scalar()).trimmed() : QString();
    if (text.isEmpty())
        throw ProblemAt(At(key),
                        QStringLiteral("%1: \"%2\" must be a text, not empty").arg(what, key));
    return text;
}

QString YamlFields::OptionalText(const QString &key) const {
    return Has(key) ? Text(key) : QString();
}

YAML::Node YamlFields::At(const QString &key) const {
    const YAML::Node value = Node(key);
    if (!value.IsNull())
        return value;
    for (auto it = node.begin(); it != node.end(); ++it) {
        if (it->first.Scalar() == key.toStdString())
            return it->first;
    }
    return node;
}

ProcedureProblem YamlFields::Problem(const QString &text) const {
    return ProblemAt(node, text);
}

} // namespace vk220::procedures
