#pragma once

#include <yaml-cpp/yaml.h>

#include <QString>
#include <QStringList>

namespace vk220::procedures {

// A problem in a procedure file, where it stands (1-based; line 0 when it has no place).
struct ProcedureProblem {
    int line = 0;
    int column = 0;
    QString text;
};

// The problem `text` at `node`.
ProcedureProblem ProblemAt(const YAML::Node &node, const QString &text);

// A mapping of a procedure file read key by key. Every failure throws a ProcedureProblem at the
// node it concerns: a key not allowed or given twice, a missing key (at the mapping), a value that
// is not the text the key wants.
class YamlFields {
public:
    // `what` names the mapping in messages: "the procedure", "point 3".
    YamlFields(const YAML::Node &node, const QString &what);

    // Throws on the first key not in `allowed`, naming it, and on a key given twice.
    void Allow(const QStringList &allowed) const;
    bool Has(const QString &key) const;
    YAML::Node Node(const QString &key) const;
    // The text of the key, which must be there and be a non-empty scalar.
    QString Text(const QString &key) const;
    // A scalar's text; empty when the key is absent.
    QString OptionalText(const QString &key) const;
    // Where a problem of the key's value stands: the value, or the key itself when the value is
    // empty (an empty value has no place of its own).
    YAML::Node At(const QString &key) const;
    ProcedureProblem Problem(const QString &text) const;

private:
    YAML::Node node;
    QString what;
};

} // namespace vk220::procedures
