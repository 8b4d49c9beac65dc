#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <queue>
#include <string>
#include <vector>

#include "script/CScript.h"
#include "script/CScriptValue.h"
#include "script/ExprItem.h"
#include "script/ScriptCommand.h"
#include "script/ScriptTokenRef.h"
#include "script/ScriptVariableList.h"

// The scripting machine the game owns. It keeps the compiled scripts, a
// first-in first-out queue of script runs (the front one executes), the
// global variables and the queue of world commands that scripts ask for.
//
// Each frame the game calls Execute, which runs statements of the front run
// until the run queue is empty or a script executes `bloque`; world
// statements are appended to the command queue, not carried out. Once the
// game has carried out every queued command it calls Resume, and the script
// that waited in `bloque` goes on at the next Execute.
//
// Control flow has no compiled form: `if`, loops, `break`, `continue` and
// `goto` move the program counter by scanning the token list, so executing
// any number of statements takes no call-stack depth.
class CScriptEngine {
public:
    CScriptEngine();

    // --- frames ---------------------------------------------------------
    void Execute();
    void Resume() { running = true; }
    bool IsRunning() const { return running; }

    // --- scripts --------------------------------------------------------
    // A larger container is not read. Real ones hold a few KB; compiled, a
    // script costs up to about a hundred bytes for each byte of its text.
    static const std::size_t kMaxContainerBytes = 4u << 20;

    // Loads the records of a script container file, in file order, after
    // the scripts already loaded; records that no RunScript could start
    // (id 0, an id repeated within the file) are passed over.
    // False when the file cannot be read or is too large (nothing is loaded
    // then).
    bool LoadScriptFile(const std::string& path);
    // Compiles one source text and adds it to the loaded scripts.
    void AddScript(std::uint16_t id, const std::string& text);
    // Queues a run of the first loaded script with that id behind the runs
    // waiting. Its int locals IDMOI = ownerId, and TILEX, TILEY when neither
    // tile coordinate is -1. Id 0 and unknown ids start nothing.
    void RunScript(std::uint16_t id, std::int32_t tileX, std::int32_t tileY, std::int32_t ownerId);
    // Replaces every loaded script with the records of `paths`, read again
    // in order (ScriptEngineReload.cpp); `unreadable` gets the paths that
    // could not be read. Queued runs of a script whose text did not change
    // go on untouched; one that has not started yet restarts from the new
    // text with the same IDMOI, TILEX and TILEY; one that has started, or
    // whose script is gone, is dropped, and its id returned.
    std::vector<std::uint16_t> ReloadScripts(const std::vector<std::string>& paths,
                                             std::vector<std::string>& unreadable);

    const std::vector<CScript>& LoadedScripts() const { return loadedScripts; }
    const std::deque<CScript>& RunQueue() const { return runQueue; }
    // World commands in the order the scripts gave them; the game's command
    // executor reads and pops the front.
    std::queue<ScriptCommand>& CommandQueue() { return commandQueue; }

    // --- loading a saved game ---------------------------------------------
    // Replaces the globals, the run queue, the command queue and whether the
    // engine runs or waits in `bloque` with what a save held. The runs must
    // be copies of loaded scripts (their memo is shared with them).
    void RestoreState(std::vector<std::pair<std::string, CScriptValue>> savedGlobals, std::deque<CScript> runs,
                      std::queue<ScriptCommand> commands, bool isRunning);
    // The first loaded script with that id, or null.
    const CScript* FindLoadedScript(std::uint16_t id) const;

    // --- local variables of the front run -------------------------------
    // With no run queued, reads give 0, 0.0 or "" and writes are dropped
    // (a world command may store a result after its script has ended).
    std::int32_t GetInt(const std::string& name) const;
    float GetFloat(const std::string& name) const;
    std::string GetString(const std::string& name) const;
    void SetInt(const std::string& name, std::int32_t value);
    void SetFloat(const std::string& name, float value);
    void SetString(const std::string& name, const std::string& value);

    // --- global variables -----------------------------------------------
    // A missing global reads as the int 0.
    CScriptValue GetGlobal(const std::string& name) const;
    // The first global of that name takes the whole value, kind included.
    void SetGlobal(const std::string& name, const CScriptValue& value);
    const std::vector<std::pair<std::string, CScriptValue>>& Globals() const { return globals.entries; }

    // --- expressions on the front run -----------------------------------
    // Both read tokens up to one whose id is stop1 or stop2 (-1: none),
    // consume it and leave its id in lastTerminator. At the end of the
    // tokens they stop with what they have and lastTerminator = -1.
    float EvalNumber(std::int32_t stop1, std::int32_t stop2);
    std::string EvalString(std::int32_t stop1, std::int32_t stop2);
    // A token as NextToken returns it (already re-typed).
    ExprItem TokenToItem(const ScriptToken& token) const;
    std::string TokenToString(const ScriptToken& token) const;

    std::int32_t lastTerminator = -1;

    // --- what the engine uses from its host -----------------------------
    // Where Console and ListeVariables write; standard output by default.
    void SetOutput(std::ostream& stream) { output = &stream; }
    // The generator of Hasard; std::rand by default.
    void SetRandomSource(std::function<int()> source) { randomSource = std::move(source); }
    // The milliseconds that Clock stores; time since program start by default.
    void SetClockSource(std::function<std::uint32_t()> source) { clockSource = std::move(source); }

    // --- remembering what the token lists decide -------------------------
    // On (the default), the interpreter remembers what it works out from a
    // script's tokens alone (where a scan lands, where an expression ends,
    // the values of literals, which command a word names) and, until a
    // variable is created, what each word of a run resolved to and the
    // decoded form of the statements loops run most. Off, it works
    // everything out again each time. Scripts cannot tell the difference;
    // the switch exists to prove that.
    void SetMemoising(bool on) { memoising = on; }
    bool IsMemoising() const { return memoising; }

    // At most this many statements per Execute (0, the default: no limit);
    // Execute then returns as at the end of a frame, still running, and the
    // next Execute goes on from the statement where it stopped. The game
    // sets a limit no real script comes near, so that a script that never
    // ends cannot freeze the window; tools and tests use it too.
    void SetStatementLimit(std::uint64_t limit) { statementLimit = limit; }
    // At most this many commands waiting in CommandQueue (0, the default: no
    // limit). A run about to start a statement while the queue is that full
    // waits there, as at the statement limit, until the host has carried
    // some out: a loop that queues commands without end costs bounded
    // memory instead of all of it.
    void SetCommandQueueLimit(std::size_t limit) { commandQueueLimit = limit; }
    // Told the script's id when a run ends because its text stops in the
    // middle of a statement (which is then not carried out). Nobody by
    // default: the run just ends.
    void SetCutShortReport(std::function<void(std::uint16_t)> report) { cutShortReport = std::move(report); }
    // Where a run that reaches either limit is named, once per run and limit
    // (null, the default: nowhere).
    void SetLimitReport(std::ostream* stream) { limitReport = stream; }

private:
    enum class StatementResult { Continue, EndRun, Pause };

    // Terminators of an expression: up to two ids, and optionally every
    // comparison operator.
    struct Terminators {
        std::int32_t first = -1;
        std::int32_t second = -1;
        bool comparisons = false;
        bool Match(std::int32_t id) const;
        // Names the set, never 0.
        std::int32_t Key() const { return (first + 2) | ((second + 2) << 8) | ((comparisons ? 1 : 0) << 16); }
    };

    // Reading tokens of a run. Reaching the end of the tokens in the middle
    // of a statement marks the statement as cut short; the run then ends
    // without carrying the statement out.
    ScriptTokenRef Read(CScript& run);
    void Unread(CScript& run, const ScriptTokenRef& token);

    // The memo of a run's script when memoising and the memo fits its tokens.
    ScriptMemo* MemoOf(const CScript& run) const
    {
        if (!memoising || !run.memo || run.memo->TokenCount() != run.tokens.size())
            return nullptr;
        return run.memo.get();
    }
    // The number the token at `position` gives in an expression, read
    // through the memo (which the caller has checked).
    float OperandAt(const CScript& run, std::int32_t position) const;
    // Where the expression at the program counter ends (its terminator's
    // index), or -1 when that is not remembered here; `alternating` tells
    // whether it is a plain number-operator-number chain.
    std::int32_t PlannedEnd(CScript& run, Terminators stops, bool& alternating);
    float EvalPlanned(CScript& run, std::int32_t end, bool alternating);
    // The numeric expression of tokens [begin, end).
    float EvalSpan(const CScript& run, std::int32_t begin, std::int32_t end, bool alternating);
    float EvalItemsOfSpan(const CScript& run, std::int32_t begin, std::int32_t end);
    float WordValue(const CScript& run, std::int32_t position, const ScriptNameCache::Entry& word) const;
    // Runs statements of the run from their decoded form for as long as
    // they are of the kinds decoded, at most `budget` of them, and returns
    // how many ran; `result` is the last one's (Continue when none ran). It
    // stops before a statement it does not decode and at the end of the
    // tokens, leaving those to the reading path.
    std::uint64_t RunResolved(CScript& run, ScriptMemo& memo, std::uint64_t budget, StatementResult& result);
    void Resolve(CScript& run, ScriptMemo& memo, std::int32_t position, ResolvedStatements::Statement& statement);
    void ResolveSetGlobalNum(CScript& run, ScriptMemo& memo, std::int32_t position,
                             ResolvedStatements::Statement& statement);
    // Decodes the operands and operators of the numeric expression of
    // tokens [begin, end) and gives the form to evaluate it in.
    std::int8_t DecodeExpression(CScript& run, const ScriptMemo& memo, std::int32_t begin, std::int32_t end,
                                 bool alternating);
    bool DecodeChain(CScript& run, const ScriptMemo& memo, std::int32_t begin, std::int32_t end, int depth);
    void DecodeOperand(CScript& run, const ScriptMemo& memo, std::int32_t position,
                       ResolvedStatements::Operand& operand);
    float EvalResolved(CScript& run, std::int32_t begin, std::int32_t end, std::int8_t form);
    float FoldResolved(CScript& run, std::int32_t begin, std::int32_t end);
    float ResolvedValue(CScript& run, std::int32_t position) const;
    // Globals and string variables.
    float LookedUpValue(CScript& run, std::int32_t position) const;
    // The index of the global `name` (-1: none), kept in `index` while no
    // global is added; `stamp` records when it was found.
    std::int32_t CachedGlobalIndex(const std::string& name, std::int32_t& index, std::uint32_t& stamp) const;
    std::int32_t ScanTarget(const CScript& run, ScriptMemo::Scan scan, std::int32_t start) const;

    float EvalNumberOn(CScript& run, Terminators stops);
    std::string EvalStringOn(CScript& run, Terminators stops);
    // EvalStringOn, appending to `text`.
    void EvalStringInto(CScript& run, Terminators stops, std::string& text);
    ExprItem ItemOf(const CScript* run, const ScriptTokenRef& token) const;
    void AppendText(const CScript* run, const ScriptTokenRef& token, std::string& text) const;
    ScriptTokenRef RefOf(const CScript* run, const ScriptToken& token) const;
    std::string NameFrom(const CScript& run, const ScriptTokenRef& token) const;
    void NameInto(const CScript& run, const ScriptTokenRef& token, std::string& name) const;
    int GlobalIndexOf(const CScript* run, const ScriptTokenRef& token) const;
    bool EvalCondition(CScript& run, std::int32_t closingKeyword);

    StatementResult RunStatement(CScript& run, const ScriptTokenRef& token);
    // Ends the run or pauses the engine as a statement's result asks; false
    // when Execute must return (the engine waits).
    bool EndStatement(StatementResult result);
    // Execute stops at the statement limit; `last` is the result of the
    // statement that reached it. Names the run that is suspended.
    void ReportLimit(StatementResult last);
    void ReportFullQueue(CScript& run);
    StatementResult RunKeyword(CScript& run, std::int32_t keywordId);
    StatementResult Assign(CScript& run, const ScriptTokenRef& target);
    StatementResult Declare(CScript& run, std::int32_t keywordId);
    StatementResult If(CScript& run);
    StatementResult Else(CScript& run);
    StatementResult While(CScript& run);
    StatementResult EndWhile(CScript& run);
    StatementResult For(CScript& run);
    StatementResult Next(CScript& run);
    StatementResult Break(CScript& run);
    StatementResult Continue(CScript& run);
    StatementResult Label(CScript& run);
    StatementResult Goto(CScript& run);
    StatementResult Command(CScript& run, const ScriptTokenRef& word);
    // The seven commands the interpreter carries out itself; false in
    // `handled` when the word is none of them.
    StatementResult BuiltIn(CScript& run, const ScriptTokenRef& word, bool& handled);
    StatementResult Hasard(CScript& run);

    // Moves the program counter where `scan` from it lands (after the token
    // found for the forward scans, onto the loop head for the backward
    // ones); false, leaving it, when the scan finds nothing.
    bool JumpByScan(CScript& run, ScriptMemo::Scan scan);

    std::queue<ScriptCommand> commandQueue;
    std::deque<CScript> runQueue;
    std::vector<CScript> loadedScripts;
    bool running = false;
    ScriptVariableList<CScriptValue> globals;

    bool statementCutShort = false;
    bool memoising = true;
    // The memo of the statement being run (MemoOf the front run), for the
    // scans of the control flow.
    ScriptMemo* statementMemo = nullptr;
    std::uint64_t statementLimit = 0;
    std::size_t commandQueueLimit = 0;
    std::ostream* limitReport = nullptr;
    // Buffers reused from statement to statement, so that running a
    // statement allocates nothing once they have grown.
    std::vector<ExprItem> scratchItems;
    std::vector<ExprItem> scratchInner;
    std::string scratchText;
    std::string loopName;
    std::string declaredName;

    std::ostream* output;
    std::function<int()> randomSource;
    std::function<std::uint32_t()> clockSource;
    std::function<void(std::uint16_t)> cutShortReport;
};
