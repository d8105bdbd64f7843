#include "autopilot.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <queue>
#include <unordered_set>
#include <vector>

#include "app/frame.h"
#include "app/screen.h"
#include "games/jumper.h"
#include "platform/fake/fake_platform.h"

namespace {

constexpr int Horizon = 3000;          // frames the planner looks ahead
constexpr int ExpansionBudget = 1500;  // search nodes expanded per plan
constexpr int MacroFrames = 600;       // longest single walk, jump or wait
constexpr float Arrived = 1.8f;        // half a step: closer than this, the kid stops
constexpr int RetryAfterFailure = 10;  // frames of standing still before planning again

struct Kid {
    float x = 0, y = 0, vy = 0;
};

enum class Event { None, Gem, Zombie, Bat };

struct StepResult {
    Event event = Event::None;
    int gem = 0;
    bool standing = false;   // on the ground or a platform at the end of the frame
};

// The scene as the planner sees it: platforms and gems stay put, the creatures patrol.
struct World {
    float ff = 1;
    int layout[3][7] = {};
    int gemX[5] = {}, gemY[5] = {};
    std::vector<float> zombieX, batX;   // [i] = position during frame i from now (0 = as it stands)
};

World Seen;

void Patrol(float& x, int& goingRight, float speed, float ff) {
    if (!goingRight) {
        x -= speed * ff;
        if (x < 0) goingRight = 1;
    } else {
        x += speed * ff;
        if (x > static_cast<float>(ScreenWidth)) goingRight = 0;
    }
}

void Foresee() {
    Seen.ff = FrameFactor > 0 ? FrameFactor : 1.0f;
    for (int row = 0; row < 3; ++row)
        for (int m = 0; m < 7; ++m) Seen.layout[row][m] = PlatformLayout[row][m];
    for (int k = 0; k < 5; ++k) {
        Seen.gemX[k] = GemX[k];
        Seen.gemY[k] = GemY[k];
    }
    Seen.zombieX.assign(Horizon + 1, 0);
    Seen.batX.assign(Horizon + 1, 0);
    float z = ZombieX, b = BatX;
    int zRight = ZombieGoingRight, bRight = BatGoingRight;
    Seen.zombieX[0] = z;
    Seen.batX[0] = b;
    for (int i = 1; i <= Horizon; ++i) {
        Patrol(z, zRight, 0.5f, Seen.ff);
        Patrol(b, bRight, 1.2f, Seen.ff);
        Seen.zombieX[i] = z;
        Seen.batX[i] = b;
    }
}

// One frame of the kid's motion, in the game's order and with its arithmetic, so that the
// model and the game agree to the last bit while frames keep their length.
StepResult Step(Kid& k, float dx, bool click, int frame) {
    const float ff = Seen.ff;
    StepResult r;
    bool grounded = k.y >= GroundFeetY;
    if (grounded) k.y = GroundFeetY;
    if (!grounded && k.vy >= 0) {
        for (int m = 1; m <= 6 && !grounded; ++m) {
            const float left = static_cast<float>(JumperColumnLeft(m));
            const bool over = left < k.x && k.x < left + ColumnWidth;
            if (Seen.layout[1][m] == 0 && k.y >= MiddleFeetY && k.y < 470 && over) {
                k.y = MiddleFeetY;
                k.vy = 0;
                grounded = true;
            } else if (Seen.layout[2][m] == 0 && k.y >= TopFeetY && k.y < 300 && over) {
                k.y = TopFeetY;
                k.vy = 0;
                grounded = true;
            }
        }
    }
    if (k.vy > 0 || grounded) {
        for (int g = 1; g <= 4; ++g) {
            const float x = static_cast<float>(Seen.gemX[g]);
            const float y = static_cast<float>(Seen.gemY[g]);
            if (x < k.x && k.x < x + 64 && y < k.y - 80 && k.y - 80 < y + 64) {
                r.event = Event::Gem;
                r.gem = g;
                return r;
            }
        }
    }
    const float bat = Seen.batX[frame], zombie = Seen.zombieX[frame];
    if (bat - 32 < k.x && k.x < bat + 32 && 191 < k.y - 80 && k.y - 80 < 319) {
        r.event = Event::Bat;
        return r;
    }
    if (zombie - 64 < k.x && k.x < zombie + 64 && k.y - 80 > 432) {
        r.event = Event::Zombie;
        return r;
    }
    if (grounded && k.vy >= 0 && click) {
        k.vy = -9;
        grounded = false;
    }
    if (!grounded) {
        k.vy += 0.2f * ff;
        k.y += k.vy * ff;
    }
    if (dx != 0) {
        const float speed = grounded ? 3.6f : 3.5f;
        k.x += dx < 0 ? -speed * ff : speed * ff;
    }
    k.x = std::clamp(k.x, 40.0f, static_cast<float>(ScreenWidth - 40));
    r.standing = grounded;
    return r;
}

// A move is a walk towards an x, a jump steered towards an x, or a wait. Walks and jumps
// end once the kid stands at the x or has landed somewhere after being in the air.
enum class Move { Walk, Jump, Wait };

struct Macro {
    Move move = Move::Wait;
    float target = 0;
    int frames = 0;
};

struct PlanFrame {
    AutopilotInput input;
    Kid expected;           // the kid after this frame
    float zombie = 0, bat = 0;
};

enum class Ending { Going, Reached, Failed };

struct MacroEnd {
    Kid kid;
    int t = 0;
    Ending ending = Ending::Failed;
};

MacroEnd RunMacro(Kid kid, int t, const Macro& macro, AutopilotGoal goal, int choice,
                  std::vector<PlanFrame>* record) {
    bool airborne = false;
    for (int i = 0; i < MacroFrames; ++i) {
        if (t >= Horizon) return {kid, t, Ending::Failed};
        AutopilotInput in;
        if (macro.move != Move::Wait) {
            const float d = macro.target - kid.x;
            if (std::abs(d) > Arrived) in.dx = d > 0 ? 1.0f : -1.0f;
        }
        in.click = macro.move == Move::Jump && i == 0;
        ++t;
        const StepResult r = Step(kid, in.dx, in.click, t);
        if (record) record->push_back({in, kid, Seen.zombieX[t], Seen.batX[t]});
        if (r.event == Event::Gem)
            return {kid, t, goal == AutopilotGoal::Gem && r.gem == choice ? Ending::Reached : Ending::Failed};
        if (r.event == Event::Zombie) return {kid, t, goal == AutopilotGoal::Zombie ? Ending::Reached : Ending::Failed};
        if (r.event == Event::Bat) return {kid, t, Ending::Failed};
        if (!r.standing) airborne = true;
        if (macro.move == Move::Wait) {
            if (i + 1 >= macro.frames) return {kid, t, Ending::Going};
            continue;
        }
        if (r.standing && (airborne || std::abs(macro.target - kid.x) <= Arrived)) return {kid, t, Ending::Going};
    }
    return {kid, t, Ending::Failed};
}

struct Node {
    Kid kid;
    int t = 0;
    int parent = -1;
    Macro macro;   // the move that led here from the parent
};

int Level(float y) { return y >= 450 ? 0 : (y >= 290 ? 1 : 2); }

// Frames still needed, roughly: walking distance plus a jump per row to climb.
float Estimate(const Kid& k, int t, AutopilotGoal goal, int choice) {
    if (goal == AutopilotGoal::Zombie) return std::abs(k.x - Seen.zombieX[std::min(t, Horizon)]) / 4.0f;
    const float gx = static_cast<float>(Seen.gemX[choice] + 32);
    const int gemLevel = Seen.gemY[choice] == 455 ? 0 : (Seen.gemY[choice] == 285 ? 1 : 2);
    const int climb = gemLevel - Level(k.y);
    return std::abs(k.x - gx) / 3.6f + (climb > 0 ? 70.0f * static_cast<float>(climb) : 0.0f) +
           (climb < 0 ? 40.0f : 0.0f);
}

std::vector<Macro> Candidates(const Kid& k, AutopilotGoal goal, int choice) {
    std::vector<float> targets;
    const float lo = 40, hi = static_cast<float>(ScreenWidth - 40);
    for (float x = lo; x <= hi; x += 24) targets.push_back(x);
    targets.push_back(hi);
    if (goal == AutopilotGoal::Gem) targets.push_back(std::clamp(static_cast<float>(Seen.gemX[choice] + 32), lo, hi));
    std::vector<Macro> out;
    for (float x : targets) {
        if (std::abs(x - k.x) > Arrived) out.push_back({Move::Walk, x, 0});
        out.push_back({Move::Jump, x, 0});
    }
    for (int frames : {6, 20, 50, 150, 400}) out.push_back({Move::Wait, 0, frames});
    return out;
}

std::vector<PlanFrame> Plan;
size_t NextFrame = 0;
int PlannedGoal = -1;
int RetryCountdown = 0;
bool ButtonDown = false;
int Plans = 0, FailedPlans = 0;

bool MakePlan(AutopilotGoal goal, int choice) {
    ++Plans;
    Foresee();
    Plan.clear();
    NextFrame = 0;

    std::vector<Node> nodes;
    nodes.push_back({{PlayerX, PlayerY, PlayerVY}, 0, -1, {}});
    using Entry = std::pair<float, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.push({0, 0});
    std::unordered_set<std::uint64_t> seen;

    for (int expanded = 0; !open.empty() && expanded < ExpansionBudget; ++expanded) {
        const int at = open.top().second;
        open.pop();
        const Node from = nodes[at];
        for (const Macro& macro : Candidates(from.kid, goal, choice)) {
            const MacroEnd end = RunMacro(from.kid, from.t, macro, goal, choice, nullptr);
            if (end.ending == Ending::Failed) continue;
            if (end.ending == Ending::Reached) {
                // Replay the chain of moves from the start, recording every frame.
                std::vector<Macro> moves{macro};
                for (int n = at; nodes[n].parent >= 0; n = nodes[n].parent) moves.push_back(nodes[n].macro);
                std::reverse(moves.begin(), moves.end());
                Kid kid = nodes[0].kid;
                int t = 0;
                for (const Macro& m : moves) {
                    const MacroEnd step = RunMacro(kid, t, m, goal, choice, &Plan);
                    kid = step.kid;
                    t = step.t;
                }
                return true;
            }
            const std::uint64_t key = (static_cast<std::uint64_t>(std::lround(end.kid.y / 4)) << 40) ^
                                      (static_cast<std::uint64_t>(std::lround(end.kid.x / 6)) << 20) ^
                                      static_cast<std::uint64_t>(end.t / 20);
            if (!seen.insert(key).second) continue;
            nodes.push_back({end.kid, end.t, at, macro});
            const float f = static_cast<float>(end.t) + 1.5f * Estimate(end.kid, end.t, goal, choice);
            open.push({f, static_cast<int>(nodes.size()) - 1});
        }
    }
    ++FailedPlans;
    return false;
}

// Did the last frame go as the plan foresaw?
bool OnCourse() {
    if (NextFrame == 0 || NextFrame > Plan.size()) return NextFrame == 0 && !Plan.empty();
    const PlanFrame& f = Plan[NextFrame - 1];
    for (int k = 1; k <= 4; ++k)
        if (GemX[k] != Seen.gemX[k] || GemY[k] != Seen.gemY[k]) return false;
    return PlayerX == f.expected.x && PlayerY == f.expected.y && PlayerVY == f.expected.vy && ZombieX == f.zombie &&
           BatX == f.bat && FrameFactor == Seen.ff;
}

}  // namespace

void ResetAutopilot() {
    Plan.clear();
    NextFrame = 0;
    PlannedGoal = -1;
    RetryCountdown = 0;
    ButtonDown = false;
    Plans = FailedPlans = 0;
}

AutopilotInput JumperAutopilot(AutopilotGoal goal, int choice) {
    const int wanted = goal == AutopilotGoal::Zombie ? 0 : choice;
    if (wanted != PlannedGoal || NextFrame >= Plan.size() || !OnCourse()) {
        Plan.clear();
        NextFrame = 0;
        if (RetryCountdown > 0) {
            --RetryCountdown;
            return {};
        }
        PlannedGoal = wanted;
        if (!MakePlan(goal, choice)) {
            RetryCountdown = RetryAfterFailure;
            return {};
        }
    }
    AutopilotInput in = Plan[NextFrame].input;
    if (in.click && ButtonDown) {
        // The button is still down from an earlier click: let it up first, then think again.
        Plan.clear();
        NextFrame = 0;
        return {};
    }
    ++NextFrame;
    return in;
}

void FeedPointer(const AutopilotInput& input) {
    if (input.dx != 0) FakeMoveMouse(input.dx, 0);
    FakeSetMouseButton(input.click);
    ButtonDown = input.click;
}

int AutopilotPlans() { return Plans; }
int AutopilotFailedPlans() { return FailedPlans; }
