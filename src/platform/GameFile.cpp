// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GameFile.h"

#include "platform/Controls.h"
#include "platform/FileRead.h"

#include "state/RecordFields.h"
#include "turn/HeatScaleTable.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <variant>

namespace caldrix {

namespace {

const QString kFormat = QStringLiteral("caldrix-game");
const QLatin1String kRuleKeys[] = {QLatin1String("shutdownLasts"), QLatin1String("expandedScale"),
                                   QLatin1String("temperature"), QLatin1String("coolantFailure")};

// ---- Writing ---------------------------------------------------------------

template <typename... F> struct Overloaded : F... { using F::operator()...; };
template <typename... F>
Overloaded(F...) -> Overloaded<F...>; // for compilers without aggregate CTAD

template <typename M> M memberOf(M member) {
    return member;
}
auto memberOf(RecordField::Flag flag) {
    return flag.member;
}
auto memberOf(RecordField::Condition condition) {
    return condition.member;
}

bool differs(const MechRecord& a, const MechRecord& b, const RecordField& field) {
    return std::visit([&](auto member) { return a.*memberOf(member) != b.*memberOf(member); },
                      field.member);
}

// A JSON string: the text's UTF-8 as it is, but for what JSON escapes.
void appendText(QByteArray& out, std::string_view text) {
    // Beyond ASCII, through Qt's decoder: a broken sequence can only ever
    // become the replacement character, never a file that does not open.
    QByteArray checked;
    if (std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; })) {
        checked = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
        text = std::string_view(checked.constData(), static_cast<std::size_t>(checked.size()));
    }
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) { // a control character
                out += "\\u00";
                out += "0123456789abcdef"[(c >> 4) & 0xF];
                out += "0123456789abcdef"[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// A JSON object or array written straight out as text, far cheaper for a
// long game than Qt's document tree; its closing mark goes when it does.
class JsonScope {
public:
    JsonScope(const JsonScope&) = delete;
    JsonScope& operator=(const JsonScope&) = delete;

protected:
    JsonScope(QByteArray& out, char open, char close) : out_(out), close_(close) { out_ += open; }
    ~JsonScope() { out_ += close_; }
    // Where the next item goes: after a comma, but for the first.
    QByteArray& next() {
        if (!std::exchange(first_, false))
            out_ += ',';
        return out_;
    }

private:
    QByteArray& out_;
    char close_;
    bool first_ = true;
};

class JsonObject : JsonScope {
public:
    explicit JsonObject(QByteArray& out) : JsonScope(out, '{', '}') {}
    // The key; the caller writes its value.
    QByteArray& key(const char* name) { return next() += '"' + QByteArray(name) + "\":"; }
    void text(const char* name, std::string_view value) { appendText(key(name), value); }
    void number(const char* name, qint64 value) { key(name) += QByteArray::number(value); }
    void flag(const char* name, bool value) { key(name) += value ? "true" : "false"; }
};

class JsonArray : JsonScope {
public:
    explicit JsonArray(QByteArray& out) : JsonScope(out, '[', ']') {}
    using JsonScope::next; // each item's text follows it
};

// A record's fields, ticks as 0 or 1 and flags as true or false; with a
// base, only those that differ from it (an undo step holds what differs
// from the state that followed it).
void appendRecord(QByteArray& out, const MechRecord& r, const MechRecord* base = nullptr) {
    JsonObject o(out);
    for (const RecordField& field : kRecordFields) {
        if (base && !differs(r, *base, field))
            continue;
        std::visit(Overloaded{[&](RecordField::Text m) { o.text(field.key, r.*m); },
                              [&](RecordField::Number m) { o.number(field.key, r.*m); },
                              [&](RecordField::Tick m) { o.number(field.key, r.*m ? 1 : 0); },
                              [&](RecordField::Flag f) { o.flag(field.key, r.*f.member); },
                              [&](RecordField::Condition c) { o.text(field.key, r.*c.member); }},
                   field.member);
    }
}

// A turn line's conditions, each left out when empty, and its marks, each
// left out when false.
struct TurnLineText {
    const char* key;
    std::string_view HeatEffects::*member;
    ConditionKind kind;
};
const TurnLineText kTurnLineTexts[] = {
    {"conditionFire", &HeatEffects::mod2Fier, ConditionKind::Fire},
    {"conditionMovement", &HeatEffects::mp, ConditionKind::Movement},
    {"conditionShutdown", &HeatEffects::shutdown, ConditionKind::Shutdown},
    {"conditionAmmoExplosion", &HeatEffects::ammoExp, ConditionKind::Ammo},
    {"conditionPilot", &HeatEffects::pilot, ConditionKind::Pilot},
    {"conditionSystem", &HeatEffects::system, ConditionKind::System}};
const std::pair<const char*, bool HeatEffects::*> kTurnLineMarks[] = {
    {"down", &HeatEffects::down}, {"coolantLost", &HeatEffects::coolantLost}};

// Each roll's kind in a file, in the order of Danger; the first two since version 1.
const char* const kDangers[] = {"shutdown",    "ammoExplosion", "restart",
                                "pilotDamage", "systemFailure", "coolant"};

void appendEntry(QByteArray& out, const LogEntry& entry) {
    JsonObject o(out);
    if (entry.what == LogEntry::Kind::Note) {
        o.text("note", entry.text);
        return;
    }
    o.number("turn", entry.number);
    o.flag("undone", entry.undone);
    JsonArray mechs(o.key("mechs"));
    for (const MechTurnLine& m : entry.mechs) {
        JsonObject line(mechs.next());
        line.text("name", m.name);
        line.number("before", m.before);
        line.number("after", m.after);
        line.number("turnHeat", m.turnHeat);
        const HeatEffects& e = m.effects;
        for (const TurnLineText& t : kTurnLineTexts)
            if (!(e.*t.member).empty())
                line.text(t.key, e.*t.member);
        for (const auto& [key, member] : kTurnLineMarks)
            if (e.*member)
                line.flag(key, true);
        if (e.rolls.empty())
            continue;
        JsonArray rolls(line.key("rolls"));
        for (const RollRecord& roll : e.rolls) {
            JsonObject r(rolls.next());
            r.text("danger", kDangers[static_cast<int>(roll.kind)]);
            r.number("avoidOn", roll.avoidOn);
            r.number("die1", roll.rolled.die1);
            r.number("die2", roll.rolled.die2);
            r.number("total", roll.rolled.diceTotal);
            r.flag("atTable", roll.rolled.atTable);
        }
    }
}

// ---- Reading ---------------------------------------------------------------

// Thrown with the reason as the players read it; caught where reading starts.
struct Refused {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason) {
    throw Refused{reason};
}

QJsonValue need(const QJsonValue& value, const char* what) {
    if (value.isUndefined())
        refuse(QStringLiteral("it has no %1").arg(QLatin1String(what)));
    return value;
}

std::string text(const QJsonObject& object, const char* key) {
    const QJsonValue value = need(object.value(QLatin1String(key)), key);
    if (!value.isString())
        refuse(QStringLiteral("its %1 is not a text").arg(QLatin1String(key)));
    const QString text = value.toString();
    if (text.size() > kMaxText)
        refuse(QStringLiteral("it holds an over-long text"));
    return text.toStdString();
}

// A whole number from low to high.
qint64 number(const QJsonObject& object, const char* key, qint64 low, qint64 high) {
    const QJsonValue value = need(object.value(QLatin1String(key)), key);
    const double n = value.toDouble(std::nan(""));
    if (!value.isDouble() || n != std::floor(n) || n < double(low) || n > double(high))
        refuse(QStringLiteral("its %1 is not a whole number from %2 to %3")
                   .arg(QLatin1String(key))
                   .arg(low)
                   .arg(high));
    return static_cast<qint64>(n);
}

// A tick box, 0 or 1 in the file.
bool tick(const QJsonObject& object, const char* key) {
    return number(object, key, 0, 1) == 1;
}

bool flag(const QJsonObject& object, const char* key) {
    const QJsonValue value = need(object.value(QLatin1String(key)), key);
    if (!value.isBool())
        refuse(QStringLiteral("its %1 is not true or false").arg(QLatin1String(key)));
    return value.toBool();
}

QJsonObject object(const QJsonValue& value, const char* what) {
    if (!value.isObject())
        refuse(QStringLiteral("its %1 is not an object").arg(QLatin1String(what)));
    return value.toObject();
}

QJsonArray array(const QJsonObject& object, const char* key, qsizetype most) {
    const QJsonValue value = need(object.value(QLatin1String(key)), key);
    if (!value.isArray())
        refuse(QStringLiteral("its %1 is not a list").arg(QLatin1String(key)));
    if (value.toArray().size() > most)
        refuse(most == kMaxMechs ? QStringLiteral("it holds more than 256 'Mechs")
                                 : QStringLiteral("its %1 is too long").arg(QLatin1String(key)));
    return value.toArray();
}

// Only the texts the heat scale gives, or none; the result views the scale's own text.
std::string_view condition(const QJsonObject& object, const char* key,
                           const std::set<std::string_view>& allowed) {
    const std::string typed = text(object, key);
    if (typed.empty())
        return {};
    const auto known = allowed.find(typed);
    if (known == allowed.end())
        refuse(QStringLiteral("its %1 is not one Caldrix writes").arg(QLatin1String(key)));
    return *known;
}

std::set<std::string_view> column(const char* HeatScaleLevel::*field) {
    std::set<std::string_view> texts;
    for (const HeatScaleLevel& level : kHeatScale)
        texts.insert(level.*field);
    for (const HeatScaleLevel& level : kExpandedScale)
        texts.insert(level.*field);
    return texts;
}

// The texts a condition of its kind may hold: the heat scale's own.
const std::set<std::string_view>& allowed(ConditionKind kind) {
    static const std::set<std::string_view> fire = column(&HeatScaleLevel::fireModifier),
                                            movement = column(&HeatScaleLevel::movementPenalty),
                                            shutdown{conditions::kShutdown, conditions::kRestarted},
                                            ammo{conditions::kAmmoExplosion},
                                            pilot{conditions::kPilotHit},
                                            system{conditions::kSystemFailure};
    switch (kind) {
    case ConditionKind::Fire:
        return fire;
    case ConditionKind::Movement:
        return movement;
    case ConditionKind::Shutdown:
        return shutdown;
    case ConditionKind::Ammo:
        return ammo;
    case ConditionKind::Pilot:
        return pilot;
    case ConditionKind::System:
        break;
    }
    return system;
}

// What a file's version and rules allow in it.
struct Reading {
    qint64 version = kGameFileVersion;
    int maxLevel = kMaxBasicLevel;        // the records': the scale in play
    int historyMaxLevel = kMaxBasicLevel; // a turn's, played maybe on the other scale
};

int heat(const QJsonObject& object, const char* key, int most) {
    const QJsonValue value = need(object.value(QLatin1String(key)), key);
    if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble()) ||
        value.toDouble() < 0 || value.toDouble() > most)
        refuse(QStringLiteral("it holds a heat level outside 0 to %1").arg(most));
    return value.toInt();
}

// With a base, the keys the record leaves out are the base's (an undo step's).
MechRecord recordFrom(const QJsonValue& value, const Reading& reading,
                      const MechRecord* base = nullptr) {
    const QJsonObject o = object(value, "record");
    MechRecord r;
    for (const RecordField& field : kRecordFields) {
        const char* key = field.key;
        if (field.since > reading.version)
            continue; // an older file: the field as a new record has it
        if (base && !o.contains(QLatin1String(key))) {
            std::visit([&](auto member) { r.*memberOf(member) = base->*memberOf(member); },
                       field.member);
            continue;
        }
        std::visit(
            Overloaded{
                [&](RecordField::Text m) { r.*m = text(o, key); },
                // A number over the heat scale is refused as a heat level, as in a turn line.
                [&](RecordField::Number m) {
                    r.*m = static_cast<std::int16_t>(field.high == kMaxLevel
                                                         ? heat(o, key, reading.maxLevel)
                                                         : number(o, key, field.low, field.high));
                },
                [&](RecordField::Tick m) { r.*m = tick(o, key); },
                [&](RecordField::Flag f) { r.*f.member = flag(o, key); },
                [&](RecordField::Condition c) {
                    r.*c.member = condition(o, key, allowed(c.kind));
                }},
            field.member);
    }
    return r;
}

LogEntry entryFrom(const QJsonValue& value, const Reading& reading) {
    const QJsonObject o = object(value, "history");
    LogEntry entry;
    if (o.contains(QLatin1String("note"))) {
        entry.text = text(o, "note");
        return entry;
    }
    entry.what = LogEntry::Kind::Turn;
    entry.number = static_cast<int>(number(o, "turn", 1, TurnLog::kLastTurn));
    entry.undone = flag(o, "undone");
    for (const QJsonValue& mech : array(o, "mechs", kMaxMechs)) {
        QJsonObject m = object(mech, "turn");
        if (!m.contains(QLatin1String("rolls")))
            m.insert(QStringLiteral("rolls"), QJsonArray());
        MechTurnLine line;
        line.name = text(m, "name");
        line.before = heat(m, "before", reading.historyMaxLevel);
        line.after = heat(m, "after", reading.historyMaxLevel);
        line.turnHeat =
            number(m, "turnHeat", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        HeatEffects& e = line.effects;
        for (const TurnLineText& t : kTurnLineTexts) // left out: empty
            if (m.contains(QLatin1String(t.key)))
                e.*t.member = condition(m, t.key, allowed(t.kind));
        for (const auto& [key, member] : kTurnLineMarks) // left out: false
            if (m.contains(QLatin1String(key)))
                e.*member = flag(m, key);
        // A shutdown or a restart roll, then ammunition, pilot, system, coolant.
        const auto dangers = reading.version < 2 ? 2 : std::size(kDangers);
        for (const QJsonValue& rollValue : array(m, "rolls", reading.version < 2 ? 2 : 5)) {
            const QJsonObject r = object(rollValue, "roll");
            const std::string danger = text(r, "danger");
            const auto kind = std::find(kDangers, kDangers + dangers, danger) - kDangers;
            if (kind == static_cast<std::ptrdiff_t>(dangers))
                refuse(QStringLiteral("its danger is not one Caldrix writes"));
            RollRecord roll;
            roll.kind = static_cast<Danger>(kind);
            roll.avoidOn = static_cast<int>(number(r, "avoidOn", kLowestTotal, kHighestTotal));
            roll.rolled.atTable = flag(r, "atTable");
            const int lowest = roll.rolled.atTable ? 0 : 1;
            for (auto [key, die] :
                 {std::pair{"die1", &roll.rolled.die1}, {"die2", &roll.rolled.die2}})
                *die = static_cast<std::int16_t>(number(r, key, lowest, 6));
            roll.rolled.diceTotal =
                static_cast<std::int16_t>(number(r, "total", kLowestTotal, kHighestTotal));
            roll.avoided = avoids(roll.kind, roll.rolled.diceTotal, roll.avoidOn);
            line.effects.rolls.push_back(roll);
        }
        entry.mechs.push_back(std::move(line));
    }
    return entry;
}

GameState stateFrom(const QJsonObject& o) {
    const QJsonValue format = o.value(QLatin1String("format"));
    if (!format.isString() || format.toString() != kFormat)
        refuse(QStringLiteral("it is not a Caldrix game"));
    Reading reading;
    reading.version = number(o, "version", 1, std::numeric_limits<int>::max());
    if (reading.version > kGameFileVersion)
        refuse(QStringLiteral("it comes from a newer version of Caldrix"));

    GameState state;
    if (reading.version >= 2) { // the optional rules; a first-version game has none
        const QJsonObject rules = object(need(o.value(QLatin1String("rules")), "rules"), "rules");
        for (auto it = rules.begin(); it != rules.end(); ++it)
            if (!std::count(std::begin(kRuleKeys), std::end(kRuleKeys), it.key()))
                refuse(QStringLiteral("it holds a rule Caldrix does not know"));
        state.rules.shutdownLasts = flag(rules, "shutdownLasts");
        state.rules.expandedScale = flag(rules, "expandedScale");
        state.rules.temperature =
            static_cast<int>(number(rules, "temperature", kLowestTemperature, kHighestTemperature));
        state.rules.coolantFailure = flag(rules, "coolantFailure");
    }
    if (state.rules.expandedScale)
        reading.maxLevel = kMaxExpandedLevel;
    if (reading.version >= 2)
        reading.historyMaxLevel = kMaxExpandedLevel;
    std::vector<MechRecord>& records = state.records.write();
    std::vector<std::string>& names = state.names.write();
    records.assign(kSlotCount, MechRecord::defaults());
    records[0] = recordFrom(need(o.value(QLatin1String("scratch")), "scratch"), reading);
    for (const QJsonValue& mech : array(o, "mechs", kMaxMechs)) {
        const QJsonObject m = object(mech, "mech");
        names.push_back(text(m, "name"));
        records[names.size()] = recordFrom(need(m.value("record"), "record"), reading);
    }
    const int mechs = static_cast<int>(names.size());
    state.selected = static_cast<int>(number(o, "selected", -1, mechs - 1));
    state.diceAtTable = flag(o, "diceAtTable");
    for (const QJsonValue& entry : array(o, "history", 10'000'000))
        state.log.push_back(std::make_shared<const LogEntry>(entryFrom(entry, reading)));
    // Undo steps hold what differs from the state that followed them: read
    // from the newest back, each on the records after it.
    const QJsonArray steps = array(o, "undo", 10'000'000);
    std::vector<UndoStep> undo(static_cast<std::size_t>(steps.size()));
    std::vector<QJsonArray> befores(undo.size());
    for (std::size_t k = 0; k < undo.size(); ++k) {
        const QJsonObject s = object(steps[static_cast<qsizetype>(k)], "undo");
        undo[k].entry = static_cast<std::size_t>(
            number(s, "historyEntry", 0, static_cast<qint64>(state.log.size()) - 1));
        const LogEntry& entry = *state.log[undo[k].entry];
        if (entry.what != LogEntry::Kind::Turn || entry.undone ||
            (k > 0 && undo[k].entry <= undo[k - 1].entry))
            refuse(QStringLiteral("its undo does not match its history"));
        befores[k] = array(s, "before", kMaxMechs);
        if (befores[k].size() != mechs)
            refuse(QStringLiteral("its undo does not match its 'Mechs"));
    }
    std::vector<MechRecord> after(records.begin() + 1, records.begin() + 1 + mechs);
    for (std::size_t k = undo.size(); k-- > 0;) {
        for (int i = 0; i < mechs; ++i) {
            undo[k].before.push_back(
                recordFrom(befores[k][i], reading, &after[static_cast<std::size_t>(i)]));
        }
        after = undo[k].before;
    }
    for (UndoStep& step : undo)
        state.undo.push_back(std::make_shared<const UndoStep>(std::move(step)));
    return state;
}

} // namespace

QByteArray GameWriter::json(const GameState& game) {
    const std::vector<MechRecord>& records = *game.records;
    QByteArray document;
    { // each object and array closes as its scope ends, before the document goes
        JsonObject o(document);
        o.text("format", kFormat.toStdString());
        o.number("version", kGameFileVersion);
        {
            JsonArray mechs(o.key("mechs"));
            for (std::size_t i = 0; i < game.names->size(); ++i) {
                JsonObject mech(mechs.next());
                mech.text("name", (*game.names)[i]);
                appendRecord(mech.key("record"), records[i + 1]);
            }
        }
        o.number("selected", game.selected);
        o.flag("diceAtTable", game.diceAtTable);
        {
            JsonObject rules(o.key("rules"));
            rules.flag("shutdownLasts", game.rules.shutdownLasts);
            rules.flag("expandedScale", game.rules.expandedScale);
            rules.number("temperature", game.rules.temperature);
            rules.flag("coolantFailure", game.rules.coolantFailure);
        }
        appendRecord(o.key("scratch"), records[0]);
        // An entry or a step written before is known by its address: neither
        // ever changes, and the pieces keep them alive, so no other takes it.
        {
            JsonArray history(o.key("history"));
            history_.resize(game.log.size());
            for (std::size_t i = 0; i < game.log.size(); ++i) {
                Piece& piece = history_[i];
                if (piece.source != game.log[i]) {
                    piece = {game.log[i], nullptr, {}};
                    appendEntry(piece.json, *game.log[i]);
                }
                history.next() += piece.json;
            }
        }
        JsonArray undo(o.key("undo"));
        undo_.resize(game.undo.size());
        for (std::size_t k = 0; k < game.undo.size(); ++k) {
            // Each step is written as it differs from the one after it; the
            // last, from the records, which change with every edit.
            const std::shared_ptr<const void> next =
                k + 1 < game.undo.size() ? game.undo[k + 1] : nullptr;
            Piece& piece = undo_[k];
            if (piece.source != game.undo[k] || piece.next != next || !next) {
                piece = {game.undo[k], next, {}};
                const UndoStep& step = *game.undo[k];
                JsonObject s(piece.json);
                s.number("historyEntry", static_cast<qint64>(step.entry));
                JsonArray before(s.key("before"));
                for (std::size_t i = 0; i < step.before.size(); ++i)
                    appendRecord(before.next(), step.before[i],
                                 next ? &game.undo[k + 1]->before[i] : &records[i + 1]);
            }
            undo.next() += piece.json;
        }
    }
    return document;
}

GameFileResult gameFromJson(const QByteArray& bytes) {
    GameFileResult result;
    if (bytes.size() > kMaxGameFileBytes) {
        result.problem = QStringLiteral("it is larger than 16 MB");
        return result;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        result.problem = QStringLiteral("it is not JSON");
        return result;
    }
    try {
        result.state = stateFrom(document.object());
    } catch (const Refused& refused) {
        result.problem = refused.reason;
    }
    return result;
}

GameFileResult readGameFile(const QString& path) {
    const std::optional<QByteArray> bytes = platform::readFileBytes(path, kMaxGameFileBytes);
    if (!bytes)
        return {std::nullopt, QStringLiteral("it cannot be read")};
    return gameFromJson(*bytes);
}

QString writeGameFile(const QString& path, const QByteArray& json) {
    // A file that could not be opened again is not written at all.
    if (json.size() > kMaxGameFileBytes)
        return QStringLiteral("the game has grown larger than a saved game may be (16 MB)");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(json);
    if (!file.commit())
        return file.errorString();
    return {};
}

QString openProblem(const QString& path, const QString& problem) {
    // One pass of arg(): the file name is shown as it is.
    return QStringLiteral("%1 could not be opened: %2").arg(QFileInfo(path).fileName(), problem);
}

} // namespace caldrix
