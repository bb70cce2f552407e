// An optional in-memory debug log with named stopwatch timers, written out on request as XML.
// TarvexFramework is its class-level front: every call is ignored until enableLogging().
//
//     TarvexFramework::enableLogging(DebugLogger::DEBUG_LEVEL_ALL);
//     TarvexFramework::startDebugTimer("RenderGroup[sprites]");
//     ...
//     TarvexFramework::stopDebugTimer("RenderGroup[sprites]");
//     TarvexFramework::saveLog("debug.xml", "");
#pragma once

#include "core/Hook.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tarvex {

class DebugLogEntry : public Object {
    TARVEX_OBJECT(DebugLogEntry, Object)
public:
    // The message, so that an entry prints as what was written.
    [[nodiscard]] std::string ToString() const override { return Message; }

    std::string Message;
    std::string Date; // "%d %b %Y" of the local time when written
    std::string Time; // "%H:%M:%S"
    std::int32_t Level = 0;
    std::string CallStack;
};

class DebugTimer : public Object {
    TARVEX_OBJECT(DebugTimer, Object)
public:
    [[nodiscard]] static Ref<DebugTimer> Create(const std::string& name);
    // Restarts a running timer, counting the interrupted run.
    void Start();
    void Stop();

    std::string Name;
    std::int32_t Calls = 0;
    std::int32_t TotalTime = 0;     // milliseconds
    std::int64_t m_TimerBuffer = 0; // clock at the last start; 0 when stopped
};

// Safe to use from the loading screen's worker thread and the main thread at once.
class DebugLogger : public Object {
    TARVEX_OBJECT(DebugLogger, Object)
public:
    static constexpr std::int32_t DEBUG_LEVEL_DEFAULT = 0;
    static constexpr std::int32_t DEBUG_LEVEL_URGENT = 1;
    static constexpr std::int32_t DEBUG_LEVEL_GENERAL = 2;
    static constexpr std::int32_t DEBUG_LEVEL_LOW = 4;
    static constexpr std::int32_t DEBUG_LEVEL_DETAILED = 8;
    static constexpr std::int32_t DEBUG_LEVEL_ALL = 15;

    DebugLogger();
    [[nodiscard]] static Ref<DebugLogger> Create(std::int32_t level);

    DebugLogger& enableHooks(bool enable);
    DebugLogger& enablePlatformDebugLog(bool enable);
    [[nodiscard]] std::int32_t getHookID() const { return _hook->getId(); }
    [[nodiscard]] Hook& getHook() const { return *_hook; }
    // Records the message (any level; the output level filters nothing), echoes it to the
    // debug log and publishes its text (a TextObject) on the logger's
    // hook.
    void write(const std::string& message, std::int32_t level);
    void startTimer(const std::string& name);
    // Raises "Timer <name> not found" for a timer never started.
    void stopTimer(const std::string& name);
    void setField(const std::string& name, ObjectRef value);
    // Writes the XML log; false when the file cannot be written.
    bool saveXml(const std::string& fileName, const std::string& stylesheet) const;
    [[nodiscard]] std::string toXml(const std::string& stylesheet) const;
    [[nodiscard]] static std::string _getBuildMode() { return "Release"; }
    [[nodiscard]] static std::string GetLevelText(std::int32_t level);

    // Copies, so that another thread may go on writing.
    [[nodiscard]] std::vector<Ref<DebugLogEntry>> entries() const;
    [[nodiscard]] Ref<DebugTimer> findTimer(const std::string& name) const;

private:
    mutable std::mutex _mutex;
    std::vector<Ref<DebugLogEntry>> _entries;
    std::map<std::string, Ref<DebugTimer>> _timers;
    std::shared_ptr<Hook> _hook;
    std::map<std::string, ObjectRef> _fields;
    std::int32_t _debugLevel = DEBUG_LEVEL_ALL;
    bool _enableHooks = true;
    bool _enablePlatformLog = true;
};

class AbstractDebugLogSerializer : public Object {
    TARVEX_OBJECT(AbstractDebugLogSerializer, Object)
public:
    virtual bool saveToFile(const DebugLogger& log, const std::string& fileName) = 0;
};

class XmlDebugLogSerializer : public AbstractDebugLogSerializer {
    TARVEX_OBJECT(XmlDebugLogSerializer, AbstractDebugLogSerializer)
public:
    XmlDebugLogSerializer& setStylesheet(std::string stylesheet) {
        _stylesheet = std::move(stylesheet);
        return *this;
    }
    bool saveToFile(const DebugLogger& log, const std::string& fileName) override;

private:
    std::string _stylesheet;
};

class TarvexFramework {
public:
    [[nodiscard]] static std::string GetVersion() { return "0.0.1."; }
    [[nodiscard]] static std::string GetReleaseDate() { return "1970/01/01 00:00:00"; }
    // Creates a new logger, replacing any earlier one.
    static void enableLogging(std::int32_t level);
    static void disableLogging();
    [[nodiscard]] static Ref<DebugLogger> logger();
    static void saveLog(const std::string& fileName, const std::string& stylesheet);
    static void logMessage(const std::string& message, std::int32_t level);
    static void startDebugTimer(const std::string& name);
    static void stopDebugTimer(const std::string& name);
};

} // namespace tarvex
