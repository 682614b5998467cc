#include "records/qt/calculation_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "records/replay.h"
#include "records/sheet.h"

namespace cf::records::qt {

namespace {

const char* const format_name = "calcfluides-calculation";

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QJsonValue& v) { return v.toString().toStdString(); }

QString not_record(const QString& why) { return QString::fromUtf8(std::string(not_a_record).c_str()) + why; }

const char* step_key(Step::Kind kind) {
    switch (kind) {
        case Step::Kind::edit: return "edit";
        case Step::Kind::click: return "click";
        case Step::Kind::pick: return "pick";
        case Step::Kind::flow: return "flow";
    }
    return "";
}

// The offset of the first byte that is not part of well-formed UTF-8 text (a NUL counts), or -1.
qsizetype first_binary_byte(const QByteArray& bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        if (c == 0) return i;
        int more = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (more < 0 || (more == 1 && c < 0xC2) || (c == 0xF4 && i + 1 < n && b[i + 1] > 0x8F) || c > 0xF4) return i;
        if (i + more >= n && more > 0) return i;
        for (int k = 1; k <= more; ++k)
            if ((b[i + k] & 0xC0) != 0x80) return i;
        if (more == 2 && ((c == 0xE0 && b[i + 1] < 0xA0) || (c == 0xED && b[i + 1] > 0x9F))) return i;
        if (more == 3 && c == 0xF0 && b[i + 1] < 0x90) return i;
        i += more + 1;
    }
    return -1;
}

QString json_error(QJsonParseError::ParseError e) {
    switch (e) {
        case QJsonParseError::UnterminatedObject: return "objet non terminé";
        case QJsonParseError::MissingNameSeparator: return "« : » attendu";
        case QJsonParseError::UnterminatedArray: return "liste non terminée";
        case QJsonParseError::MissingValueSeparator: return "« , » attendue";
        case QJsonParseError::IllegalValue: return "valeur illisible";
        case QJsonParseError::TerminationByNumber: return "fin du fichier dans un nombre";
        case QJsonParseError::IllegalNumber: return "nombre illisible";
        case QJsonParseError::IllegalEscapeSequence: return "séquence d'échappement illisible";
        case QJsonParseError::IllegalUTF8String: return "texte UTF-8 illisible";
        case QJsonParseError::UnterminatedString: return "texte non terminé";
        case QJsonParseError::MissingObject: return "objet attendu";
        case QJsonParseError::DeepNesting: return "imbrication trop profonde";
        case QJsonParseError::DocumentTooLarge: return "document trop grand";
        case QJsonParseError::GarbageAtEnd: return "données après la fin";
        case QJsonParseError::NoError: break;
    }
    return "erreur";
}

// Line and column (from 1) of a byte offset.
QString where(const QByteArray& content, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, content.size());
    const QByteArray before = content.left(offset);
    const qsizetype line_start = before.lastIndexOf('\n') + 1;
    return QString("ligne %1, colonne %2").arg(before.count('\n') + 1).arg(offset - line_start + 1);
}

bool text_member(const QJsonObject& o, const char* key, std::string& out) {
    if (!o.value(key).isString()) return false;
    out = s(o.value(key));
    return true;
}

}  // namespace

QByteArray to_json(const Record& record) {
    QJsonObject root;
    root["format"] = format_name;
    root["format_version"] = format_version;
    root["program"] = "CalcFluides";
    root["program_version"] = program_version();
    root["page"] = q(record.page);
    root["start"] = record.after_initialisation ? "initialisation" : "page";
    QJsonArray kept;
    for (const KeptText& k : record.kept) kept.append(QJsonObject{{"field", q(k.field)}, {"text", q(k.text)}});
    root["kept"] = kept;
    QJsonArray steps;
    for (const Step& step : record.steps) {
        QJsonObject o{{step_key(step.kind), q(step.control)}};
        if (step.kind == Step::Kind::edit) o["text"] = q(step.text);
        if (step.kind == Step::Kind::pick) o["item"] = q(step.text);
        steps.append(o);
    }
    root["steps"] = steps;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Reading from_json(const QByteArray& content) {
    Reading r;
    if (content.size() > largest_file)
        return {{}, QString("Le fichier est trop gros pour une feuille CalcFluides : %1 octets (1 Mo au plus)")
                        .arg(content.size())};
    if (const qsizetype at = first_binary_byte(content); at >= 0)
        return {{}, not_record(QString("données binaires à l'octet %1 (%2)").arg(at).arg(where(content, at)))};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, not_record(QString("texte JSON illisible ou tronqué, %1 (%2)")
                                   .arg(json_error(error.error), where(content, error.offset)))};
    if (!doc.isObject()) return {{}, not_record("un objet JSON est attendu")};
    const QJsonObject root = doc.object();
    if (root.value("format").toString() != format_name)
        return {{}, not_record(QString("le champ « format » ne vaut pas « %1 »").arg(format_name))};
    const QJsonValue version = root.value("format_version");
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1)
        return {{}, not_record("le champ « format_version » n'est pas un numéro de format")};
    if (version.toInt() > format_version)
        return {{}, QString("Le fichier vient d'une version plus récente de CalcFluides : format %1, cette version "
                            "lit le format %2 (fichier écrit par CalcFluides %3)")
                        .arg(version.toInt())
                        .arg(format_version)
                        .arg(root.value("program_version").toString())};
    if (!text_member(root, "page", r.record.page)) return {{}, not_record("le champ « page » manque")};
    const QString start = root.value("start").toString("page");
    if (start != "page" && start != "initialisation")
        return {{}, not_record("le champ « start » vaut « page » ou « initialisation »")};
    r.record.after_initialisation = start == "initialisation";
    const QJsonValue kept = root.value("kept");
    if (!kept.isUndefined() && !kept.isArray()) return {{}, not_record("le champ « kept » n'est pas une liste")};
    for (qsizetype i = 0; i < kept.toArray().size(); ++i) {
        const QJsonObject o = kept.toArray().at(i).toObject();
        KeptText k;
        if (!text_member(o, "field", k.field) || !text_member(o, "text", k.text))
            return {{}, not_record(QString("texte conservé %1 illisible (« field » et « text » attendus)").arg(i + 1))};
        r.record.kept.push_back(std::move(k));
    }
    if (!root.value("steps").isArray()) return {{}, not_record("le champ « steps » manque ou n'est pas une liste")};
    const QJsonArray steps = root.value("steps").toArray();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QJsonObject o = steps.at(i).toObject();
        Step step{Step::Kind::edit, {}, {}};
        int verbs = 0;
        for (Step::Kind kind : {Step::Kind::edit, Step::Kind::click, Step::Kind::pick, Step::Kind::flow})
            if (o.contains(step_key(kind))) {
                step.kind = kind;
                ++verbs;
            }
        const bool read = verbs == 1 && text_member(o, step_key(step.kind), step.control) &&
                          (step.kind != Step::Kind::edit || text_member(o, "text", step.text)) &&
                          (step.kind != Step::Kind::pick || text_member(o, "item", step.text));
        if (!read)
            return {{}, not_record(QString("étape %1 illisible (une seule action parmi edit, click, pick, flow, "
                                           "avec son texte)")
                                       .arg(i + 1))};
        r.record.steps.push_back(std::move(step));
    }
    return r;
}

QString write_file(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    const bool existed = QFileInfo::exists(path);
    auto failed = [&](const QString& why) {
        return QString("L'enregistrement de %1 a échoué : %2.%3")
            .arg(QFileInfo(path).fileName(), why,
                 existed ? QString(" Le fichier précédent est resté tel quel.") : QString());
    };
    auto reason = [&] {
        switch (file.error()) {
            case QFileDevice::PermissionsError: return QString("accès refusé");
            case QFileDevice::ResourceError: return QString("disque plein ou ressource épuisée");
            default: return file.errorString();
        }
    };
    if (!file.open(QIODevice::WriteOnly)) return failed(reason());
    if (file.write(content) != content.size()) {
        const QString why = reason();
        file.cancelWriting();
        return failed(why);
    }
    if (!file.commit()) return failed(reason());
    return {};
}

Reading read_file(const QString& path) {
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) return {{}, QString("Impossible de lire le fichier %1 : %2").arg(name, file.errorString())};
    if (file.size() > largest_file)
        return {{}, QString("Le fichier est trop gros pour une feuille CalcFluides : %1 octets (1 Mo au plus)")
                        .arg(file.size())};
    return from_json(file.read(largest_file + 1));
}

}  // namespace cf::records::qt
