// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GameFile.h"

#include "turn/HeatScaleTable.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <limits>
#include <set>

namespace caldrix {

namespace {

const QString kFormat = QStringLiteral("caldrix-game");
// Far beyond anything typed at a table, well inside the file's own limit.
constexpr qsizetype kMaxText = 1'000'000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// ---- Writing ---------------------------------------------------------------

QJsonObject RecordJson(const MechRecord& r) {
    return QJsonObject{{"heatSinks", Q(r.MechHeatSinks)},
                       {"heat", r.MechHeat},
                       {"doubleHeatSinks", r.MechDHS},
                       {"movementType", Q(r.MechMovementType)},
                       {"hexesJumped", Q(r.MechHexesJumped)},
                       {"attemptsToStand", Q(r.MechAttemptsToStand)},
                       {"weaponHeat", Q(r.MechWeaponHeat)},
                       {"fire", r.MechFire},
                       {"walkingThroughFire", r.MechWalkingThroughFire},
                       {"fireHexes", Q(r.MechFireHexes)},
                       {"standingInFire", r.MechStandingInFire},
                       {"engineHits", Q(r.MechEngineHits)},
                       {"conditionFire", Q(r.MechConditionMod2Fier)},
                       {"conditionMovement", Q(r.MechConditionMP)},
                       {"conditionShutdown", Q(r.MechConditionShutdown)},
                       {"conditionAmmoExplosion", Q(r.MechConditionAmmoExp)},
                       {"otherHeat", r.MechOtherHeat}};
}

QJsonObject EntryJson(const LogEntry& entry) {
    if (entry.What == LogEntry::Kind::Note)
        return {{"note", Q(entry.Text)}};
    QJsonArray mechs;
    for (const MechTurnLine& m : entry.Mechs) {
        QJsonArray rolls;
        for (const RollRecord& roll : m.Effects.Rolls)
            rolls.append(QJsonObject{
                {"danger", roll.Kind == Danger::Shutdown ? "shutdown" : "ammoExplosion"},
                {"avoidOn", roll.AvoidOn},
                {"die1", roll.Rolled.Die1},
                {"die2", roll.Rolled.Die2},
                {"total", roll.Rolled.DiceTotal},
                {"atTable", roll.Rolled.AtTable}});
        mechs.append(QJsonObject{{"name", Q(m.Name)},
                                 {"before", m.Before},
                                 {"after", m.After},
                                 {"turnHeat", static_cast<double>(m.TurnHeat)},
                                 {"conditionFire", Q(m.Effects.Mod2Fier)},
                                 {"conditionMovement", Q(m.Effects.MP)},
                                 {"conditionShutdown", Q(m.Effects.Shutdown)},
                                 {"conditionAmmoExplosion", Q(m.Effects.AmmoExp)},
                                 {"rolls", rolls}});
    }
    return {{"turn", entry.Number}, {"undone", entry.Undone}, {"mechs", mechs}};
}

// ---- Reading ---------------------------------------------------------------

// Thrown with the reason as the players read it; caught where reading starts.
struct Refused {
    QString Reason;
};

[[noreturn]] void Refuse(const QString& reason) {
    throw Refused{reason};
}

QJsonValue Need(const QJsonValue& value, const char* what) {
    if (value.isUndefined())
        Refuse(QStringLiteral("it has no %1").arg(QLatin1String(what)));
    return value;
}

std::string Text(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isString())
        Refuse(QStringLiteral("its %1 is not a text").arg(QLatin1String(key)));
    const QString text = value.toString();
    if (text.size() > kMaxText)
        Refuse(QStringLiteral("it holds an over-long text"));
    return text.toStdString();
}

// A whole number from low to high.
qint64 Number(const QJsonObject& object, const char* key, qint64 low, qint64 high) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    const double n = value.toDouble(std::nan(""));
    if (!value.isDouble() || n != std::floor(n) || n < double(low) || n > double(high))
        Refuse(QStringLiteral("its %1 is not a whole number from %2 to %3")
                   .arg(QLatin1String(key))
                   .arg(low)
                   .arg(high));
    return static_cast<qint64>(n);
}

bool Flag(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isBool())
        Refuse(QStringLiteral("its %1 is not true or false").arg(QLatin1String(key)));
    return value.toBool();
}

QJsonObject Object(const QJsonValue& value, const char* what) {
    if (!value.isObject())
        Refuse(QStringLiteral("its %1 is not an object").arg(QLatin1String(what)));
    return value.toObject();
}

QJsonArray Array(const QJsonObject& object, const char* key, qsizetype most) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isArray())
        Refuse(QStringLiteral("its %1 is not a list").arg(QLatin1String(key)));
    if (value.toArray().size() > most)
        Refuse(most == kMaxMechs ? QStringLiteral("it holds more than 256 'Mechs")
                                 : QStringLiteral("its %1 is too long").arg(QLatin1String(key)));
    return value.toArray();
}

// Only the texts the heat scale gives, or none.
std::string Condition(const QJsonObject& object, const char* key,
                      const std::set<std::string>& allowed) {
    std::string text = Text(object, key);
    if (!text.empty() && allowed.count(text) == 0)
        Refuse(QStringLiteral("its %1 is not one Caldrix writes").arg(QLatin1String(key)));
    return text;
}

std::set<std::string> Column(const char* HeatScaleLevel::*field) {
    std::set<std::string> texts;
    for (const HeatScaleLevel& level : kHeatScale)
        texts.insert(level.*field);
    return texts;
}

int Heat(const QJsonObject& object, const char* key) {
    const QJsonValue value = Need(object.value(QLatin1String(key)), key);
    if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble()) ||
        value.toDouble() < 0 || value.toDouble() > 30)
        Refuse(QStringLiteral("it holds a heat level outside 0 to 30"));
    return value.toInt();
}

struct Conditions {
    std::string Fire, Movement, Shutdown, Ammo;
};

Conditions ConditionsOf(const QJsonObject& o) {
    static const std::set<std::string> fire = Column(&HeatScaleLevel::FireModifier),
                                       movement = Column(&HeatScaleLevel::MovementPenalty),
                                       shutdown{conditions::kShutdown},
                                       ammo{conditions::kAmmoExplosion};
    return {Condition(o, "conditionFire", fire), Condition(o, "conditionMovement", movement),
            Condition(o, "conditionShutdown", shutdown),
            Condition(o, "conditionAmmoExplosion", ammo)};
}

MechRecord RecordFrom(const QJsonValue& value) {
    const QJsonObject o = Object(value, "record");
    MechRecord r;
    r.MechHeatSinks = Text(o, "heatSinks");
    r.MechHeat = static_cast<std::int16_t>(Heat(o, "heat"));
    r.MechDHS = static_cast<std::int16_t>(Number(o, "doubleHeatSinks", 0, 1));
    r.MechMovementType = Text(o, "movementType");
    r.MechHexesJumped = Text(o, "hexesJumped");
    r.MechAttemptsToStand = Text(o, "attemptsToStand");
    r.MechWeaponHeat = Text(o, "weaponHeat");
    r.MechFire = static_cast<std::int16_t>(Number(o, "fire", 0, 1));
    r.MechWalkingThroughFire = Flag(o, "walkingThroughFire");
    r.MechFireHexes = Text(o, "fireHexes");
    r.MechStandingInFire = Flag(o, "standingInFire");
    r.MechEngineHits = Text(o, "engineHits");
    const Conditions c = ConditionsOf(o);
    r.MechConditionMod2Fier = c.Fire;
    r.MechConditionMP = c.Movement;
    r.MechConditionShutdown = c.Shutdown;
    r.MechConditionAmmoExp = c.Ammo;
    r.MechOtherHeat = static_cast<std::int16_t>(Number(o, "otherHeat", 0, 32767));
    return r;
}

LogEntry EntryFrom(const QJsonValue& value) {
    const QJsonObject o = Object(value, "history");
    LogEntry entry;
    if (o.contains(QLatin1String("note"))) {
        entry.Text = Text(o, "note");
        return entry;
    }
    entry.What = LogEntry::Kind::Turn;
    entry.Number = static_cast<int>(Number(o, "turn", 1, 1'000'000'000));
    entry.Undone = Flag(o, "undone");
    for (const QJsonValue& mech : Array(o, "mechs", kMaxMechs)) {
        const QJsonObject m = Object(mech, "turn");
        MechTurnLine line;
        line.Name = Text(m, "name");
        line.Before = Heat(m, "before");
        line.After = Heat(m, "after");
        line.TurnHeat = Number(m, "turnHeat", -10'000'000, 10'000'000);
        const Conditions c = ConditionsOf(m);
        line.Effects = {c.Fire, c.Movement, c.Shutdown, c.Ammo, {}};
        for (const QJsonValue& rollValue : Array(m, "rolls", 2)) {
            const QJsonObject r = Object(rollValue, "roll");
            const std::string danger = Text(r, "danger");
            if (danger != "shutdown" && danger != "ammoExplosion")
                Refuse(QStringLiteral("its danger is not one Caldrix writes"));
            RollRecord roll;
            roll.Kind = danger == "shutdown" ? Danger::Shutdown : Danger::AmmoExplosion;
            roll.AvoidOn = static_cast<int>(Number(r, "avoidOn", 2, 12));
            roll.Rolled.AtTable = Flag(r, "atTable");
            const int lowest = roll.Rolled.AtTable ? 0 : 1;
            roll.Rolled.Die1 = static_cast<std::int16_t>(Number(r, "die1", lowest, 6));
            roll.Rolled.Die2 = static_cast<std::int16_t>(Number(r, "die2", lowest, 6));
            roll.Rolled.DiceTotal = static_cast<std::int16_t>(Number(r, "total", 2, 12));
            roll.Avoided = roll.Rolled.DiceTotal >= roll.AvoidOn;
            line.Effects.Rolls.push_back(roll);
        }
        entry.Mechs.push_back(std::move(line));
    }
    return entry;
}

GameState StateFrom(const QJsonObject& o) {
    const QJsonValue format = o.value(QLatin1String("format"));
    if (!format.isString() || format.toString() != kFormat)
        Refuse(QStringLiteral("it is not a Caldrix game"));
    const qint64 version = Number(o, "version", 1, std::numeric_limits<int>::max());
    if (version > kGameFileVersion)
        Refuse(QStringLiteral("it comes from a newer version of Caldrix"));

    GameState state;
    state.Records.assign(kSlotCount, MechRecord::Defaults());
    state.Records[0] = RecordFrom(Need(o.value(QLatin1String("scratch")), "scratch"));
    for (const QJsonValue& mech : Array(o, "mechs", kMaxMechs)) {
        const QJsonObject m = Object(mech, "mech");
        state.Names.push_back(Text(m, "name"));
        state.Records[state.Names.size()] = RecordFrom(Need(m.value("record"), "record"));
    }
    const int mechs = static_cast<int>(state.Names.size());
    state.Selected = static_cast<int>(Number(o, "selected", -1, mechs - 1));
    state.DiceAtTable = Flag(o, "diceAtTable");
    for (const QJsonValue& entry : Array(o, "history", 10'000'000))
        state.Log.push_back(EntryFrom(entry));
    for (const QJsonValue& stepValue : Array(o, "undo", 10'000'000)) {
        const QJsonObject s = Object(stepValue, "undo");
        UndoStep step;
        step.Entry = static_cast<std::size_t>(
            Number(s, "historyEntry", 0, static_cast<qint64>(state.Log.size()) - 1));
        const LogEntry& entry = state.Log[step.Entry];
        if (entry.What != LogEntry::Kind::Turn || entry.Undone ||
            (!state.Undo.empty() && step.Entry <= state.Undo.back().Entry))
            Refuse(QStringLiteral("its undo does not match its history"));
        const QJsonArray before = Array(s, "before", kMaxMechs);
        if (before.size() != mechs)
            Refuse(QStringLiteral("its undo does not match its 'Mechs"));
        for (const QJsonValue& record : before)
            step.Before.push_back(RecordFrom(record));
        state.Undo.push_back(std::move(step));
    }
    return state;
}

} // namespace

QByteArray GameToJson(const GameState& state) {
    QJsonArray mechs;
    for (std::size_t i = 0; i < state.Names.size(); ++i)
        mechs.append(
            QJsonObject{{"name", Q(state.Names[i])}, {"record", RecordJson(state.Records[i + 1])}});
    QJsonArray history;
    for (const LogEntry& entry : state.Log)
        history.append(EntryJson(entry));
    QJsonArray undo;
    for (const UndoStep& step : state.Undo) {
        QJsonArray before;
        for (const MechRecord& record : step.Before)
            before.append(RecordJson(record));
        undo.append(
            QJsonObject{{"historyEntry", static_cast<qint64>(step.Entry)}, {"before", before}});
    }
    const QJsonObject document{{"format", kFormat},
                               {"version", kGameFileVersion},
                               {"mechs", mechs},
                               {"selected", state.Selected},
                               {"diceAtTable", state.DiceAtTable},
                               {"scratch", RecordJson(state.Records.at(0))},
                               {"history", history},
                               {"undo", undo}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

GameFileResult GameFromJson(const QByteArray& bytes) {
    GameFileResult result;
    if (bytes.size() > kMaxGameFileBytes) {
        result.Problem = QStringLiteral("it is larger than 16 MB");
        return result;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        result.Problem = QStringLiteral("it is not JSON");
        return result;
    }
    try {
        result.State = StateFrom(document.object());
    } catch (const Refused& refused) {
        result.Problem = refused.Reason;
    }
    return result;
}

GameFileResult ReadGameFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("it cannot be read")};
    const QByteArray bytes = file.read(kMaxGameFileBytes + 1);
    if (file.error() != QFile::NoError)
        return {std::nullopt, QStringLiteral("it cannot be read")};
    return GameFromJson(bytes);
}

QString WriteGameFile(const QString& path, const GameState& state) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(GameToJson(state));
    if (!file.commit())
        return file.errorString();
    return {};
}

QString OpenProblem(const QString& path, const QString& problem) {
    // One pass of arg(): the file name is shown as it is.
    return QStringLiteral("%1 could not be opened: %2").arg(QFileInfo(path).fileName(), problem);
}

} // namespace caldrix
