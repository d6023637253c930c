// The autoplayer: an A* search over simulated game copies, one player step per search edge.
#include "tools/sim/autoplay.h"

#include <array>
#include <cstdint>
#include <memory>
#include <queue>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int TickMs = 30;
constexpr int Unreachable = 1 << 20;
// Search effort per plan, and how long a whole autoplay may run (about 100 minutes of game).
constexpr std::size_t MaxExpansions = 200000;
constexpr long MaxTicks = 200000;
constexpr InputCode Moves[] = {InputRight, InputUp, InputLeft, InputDown, InputNone};

enum class StepOutcome { Stepped, Caught, LevelDone, Won, Stopped };

// Ticks until the player's next step has been taken (or something ended the play).
StepOutcome playOneStep(Game& game, ManualClock& clock, long& ticks) {
    // A step is due at most every 150 ms, that is every 6th tick; 20 ticks is ample.
    for (int i = 0; i < 20; ++i) {
        const TimeStamp before = game.moveStamp;
        runTick(game, clock);
        ++ticks;
        if (game.caught)
            return StepOutcome::Caught;
        if (game.levelDone)
            return StepOutcome::LevelDone;
        if (!game.running)
            return StepOutcome::Won; // the only way a running game ends without a catch
        if (!before.isNull && game.moveStamp.time != before.time)
            return StepOutcome::Stepped;
    }
    return StepOutcome::Stopped;
}

// Steps from every interior cell to `target` over cells the player can cross; walls, the
// border and `blocked` stop it. Walkers and traps move, so they are left to the search.
std::array<int, CellCount> distancesTo(const Board& board, int target, int blocked) {
    std::array<int, CellCount> dist;
    dist.fill(Unreachable);
    if (target < 0)
        return dist;
    std::vector<int> queue{target};
    dist[static_cast<unsigned>(target)] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int cell = queue[head];
        const int next[] = {cell - 1, cell + 1, cell - BoardSide, cell + BoardSide};
        for (int n : next) {
            if (!isInteriorCell(n) || n == blocked || board.tileAt(n) == Wall ||
                dist[static_cast<unsigned>(n)] != Unreachable)
                continue;
            dist[static_cast<unsigned>(n)] = dist[static_cast<unsigned>(cell)] + 1;
            queue.push_back(n);
        }
    }
    return dist;
}

int findTile(const Board& board, TileCode code) {
    for (int i = 0; i < CellCount; ++i)
        if (board.tileAt(i) == code)
            return i;
    return -1;
}

struct PlanStep {
    InputCode input;
    int col, row; // where the player stands after the step
};

// Plans the current level from the game as it stands to the door (or the win): the shortest
// sequence of player steps, one input each, that is never caught.
class LevelPlanner {
  public:
    explicit LevelPlanner(const Game& game) {
        const int key = findTile(game.board, Key);
        const int door = findTile(game.board, Door);
        toKey = distancesTo(game.board, key, door);
        toDoor = distancesTo(game.board, door, -1);
        keyToDoor = key >= 0 ? toDoor[static_cast<unsigned>(key)] : 0;
    }

    std::vector<PlanStep> plan(const Game& game, const LocalTime& now) {
        std::vector<Node> nodes;
        std::priority_queue<Open> open;
        std::unordered_set<std::string> seen;

        Node root;
        root.game = std::make_unique<Game>(game);
        root.game->rankingLines.clear();
        root.game->board.attachView(nullptr);
        root.now = now;
        nodes.push_back(std::move(root));
        open.push({estimate(*nodes[0].game), 0, 0});

        for (std::size_t expanded = 0; !open.empty() && expanded < MaxExpansions; ++expanded) {
            const Open top = open.top();
            open.pop();
            // The node's game is needed only to make its children.
            std::unique_ptr<Game> parent = std::move(nodes[top.index].game);
            const LocalTime parentNow = nodes[top.index].now;
            for (InputCode move : Moves) {
                Game child = *parent;
                child.connect(simClock, simInput, noDisplay);
                simClock.set(parentNow);
                simInput.hold(move);
                long ticks = 0;
                const StepOutcome outcome = playOneStep(child, simClock, ticks);
                if (outcome == StepOutcome::Caught || outcome == StepOutcome::Stopped)
                    continue;
                Node node;
                node.parent = top.index;
                node.step = {move, child.playerCol, child.playerRow};
                const int depth = nodes[top.index].depth + 1;
                node.depth = depth;
                node.now = simClock.now();
                if (outcome != StepOutcome::Stepped) {
                    nodes.push_back(std::move(node));
                    return pathTo(nodes, nodes.size() - 1);
                }
                if (!seen.insert(stateKey(child, depth)).second)
                    continue;
                const int h = estimate(child);
                if (h >= Unreachable)
                    continue;
                node.game = std::make_unique<Game>(std::move(child));
                nodes.push_back(std::move(node));
                open.push({depth + h, depth, nodes.size() - 1});
            }
        }
        return {};
    }

  private:
    struct Node {
        std::unique_ptr<Game> game; // released once the node has been expanded
        LocalTime now;
        std::size_t parent = 0;
        PlanStep step{InputNone, 0, 0};
        int depth = 0;
    };
    struct Open {
        int cost; // steps taken plus the estimate still to go
        int depth;
        std::size_t index;
        // Cheapest first; among equals the deepest, which is nearest the goal.
        bool operator<(const Open& o) const {
            return cost != o.cost ? cost > o.cost : depth < o.depth;
        }
    };

    int estimate(const Game& g) const {
        const unsigned cell = static_cast<unsigned>(cellIndex(g.playerCol, g.playerRow));
        return g.hasKey ? toDoor[cell] : toKey[cell] + keyToDoor;
    }

    // Nodes of the same depth share the time, hence the traps and the tick count; what else
    // tells two states apart is the player and the Walkers.
    static std::string stateKey(const Game& g, int depth) {
        std::string key;
        const int values[] = {depth, g.playerCol, g.playerRow, g.hasKey ? 1 : 0};
        for (int v : values)
            key.append(reinterpret_cast<const char*>(&v), sizeof v);
        for (const Walker& w : g.walkers) {
            key.push_back(static_cast<char>(w.col));
            key.push_back(static_cast<char>(w.row));
            key.push_back(w.shown ? 1 : 0);
        }
        return key;
    }

    static std::vector<PlanStep> pathTo(const std::vector<Node>& nodes, std::size_t index) {
        std::vector<PlanStep> steps;
        for (; index != 0; index = nodes[index].parent)
            steps.insert(steps.begin(), nodes[index].step);
        return steps;
    }

    std::array<int, CellCount> toKey{};
    std::array<int, CellCount> toDoor{};
    int keyToDoor = 0;
    ManualClock simClock;
    HeldInput simInput;
    NullDisplay noDisplay;
};

} // namespace

void runTick(Game& game, ManualClock& clock) {
    clock.advanceMs(TickMs);
    game.tick();
}

bool autoplay(Game& game, ManualClock& clock, HeldInput& input) {
    if (!game.running)
        game.newGame();
    long ticks = 0;
    bool gaveUp = false;
    while (game.running && ticks < MaxTicks && !gaveUp) {
        if (game.caught || game.levelDone) {
            input.hold(InputNone); // a pause: wait for the level to start again
            runTick(game, clock);
            ++ticks;
            continue;
        }
        LevelPlanner planner(game);
        const std::vector<PlanStep> plan = planner.plan(game, clock.now());
        if (plan.empty()) {
            gaveUp = true;
            break;
        }
        for (const PlanStep& step : plan) {
            input.hold(step.input);
            const StepOutcome outcome = playOneStep(game, clock, ticks);
            // The plan was made on an exact copy; should the game still go another way,
            // plan again from where it stands.
            if (outcome != StepOutcome::Stepped || game.playerCol != step.col ||
                game.playerRow != step.row)
                break;
        }
    }
    input.hold(InputNone);
    return !gaveUp && !game.running;
}
