#include "engine/Expert.h"

#include "engine/Position.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <thread>

namespace tavlira::engine {
namespace {

// A small, fast generator; its sequence for a seed is fixed here, so a seed
// gives the same search with every compiler and library.
class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..bound-1 (bound > 0), rejecting the top remainder.
    std::uint32_t Below(std::uint32_t bound) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        for (;;) {
            const std::uint64_t x = Next();
            if (x < limit)
                return static_cast<std::uint32_t>(x % bound);
        }
    }

  private:
    std::uint64_t state_;
};

// The most points one game gives; a playout's result is the point margin of
// the seat that moved, scaled by it to -1..1.
constexpr double MostPoints = 5.0;

struct Node {
    Action action; // the turn that leads here (none at the root)
    Seat mover{};  // the seat that made it
    int parent = -1;
    std::vector<int> children;
    double reward = 0.0; // summed results, seen from `mover`
    int visits = 0;
    int available = 0; // rounds in which this turn could be made
};

// One search tree over the seat's information set.
class Search {
  public:
    Search(const PlayerView& view, const ExpertOptions& options, std::uint64_t seed)
        : view_(view), options_(options), random_(seed) {
        tree_.reserve(1 << 14);
        tree_.push_back(Node{});
    }

    void Round();

    // Visits of each turn tried at the root, by its key.
    void RootVisits(std::map<std::uint32_t, std::pair<Action, long long>>& visits) const {
        for (const int child : tree_[0].children) {
            auto& entry = visits[tree_[child].action.Key()];
            entry.first = tree_[child].action;
            entry.second += tree_[child].visits;
        }
    }

  private:
    int AddChild(int parent, const Action& action, Seat mover);
    int ChildFor(int parent, const Action& action, Seat mover);
    int SelectChild(int node, const std::vector<Action>& actions, const Action*& chosen);

    const PlayerView& view_;
    const ExpertOptions& options_;
    SplitMix random_;
    std::vector<Node> tree_;
    std::vector<CardSlot> unseen_;
    std::vector<Action> actions_;
    std::vector<const Action*> untried_;
};

// Among the children legal in this world: counts their availability, and
// gives the one to descend to, or -1 with `chosen` set to an untried turn.
int Search::SelectChild(int node, const std::vector<Action>& actions, const Action*& chosen) {
    untried_.clear();
    int best = -1;
    double bestScore = -1e300;
    for (const Action& action : actions) {
        const std::uint32_t key = action.Key();
        int match = -1;
        for (const int child : tree_[static_cast<size_t>(node)].children)
            if (tree_[static_cast<size_t>(child)].action.Key() == key) {
                match = child;
                break;
            }
        if (match < 0) {
            untried_.push_back(&action);
            continue;
        }
        Node& child = tree_[static_cast<size_t>(match)];
        ++child.available;
        const double score =
            child.reward / child.visits +
            options_.exploration * std::sqrt(std::log(child.available) / child.visits);
        if (score > bestScore) {
            bestScore = score;
            best = match;
            chosen = &action;
        }
    }
    if (!untried_.empty()) {
        chosen = untried_[random_.Below(static_cast<std::uint32_t>(untried_.size()))];
        return -1;
    }
    return best;
}

int Search::AddChild(int parent, const Action& action, Seat mover) {
    Node child;
    child.action = action;
    child.mover = mover;
    child.parent = parent;
    child.available = 1;
    tree_.push_back(std::move(child));
    const int added = static_cast<int>(tree_.size()) - 1;
    tree_[static_cast<size_t>(parent)].children.push_back(added);
    return added;
}

// The child reached by `action`, added when it is new.
int Search::ChildFor(int parent, const Action& action, Seat mover) {
    for (const int child : tree_[static_cast<size_t>(parent)].children)
        if (tree_[static_cast<size_t>(child)].action.Key() == action.Key())
            return child;
    return AddChild(parent, action, mover);
}

void Search::Round() {
    // One world that fits what the seat knows.
    unseen_ = view_.unseen;
    for (size_t i = unseen_.size(); i > 1; --i)
        std::swap(unseen_[i - 1], unseen_[random_.Below(static_cast<std::uint32_t>(i))]);
    Position world(view_, unseen_);

    // Down the tree while every turn here has been tried; one new node.
    int node = 0;
    while (!world.Over()) {
        const Seat mover = world.Mover();
        if (options_.classicOpponent && mover != view_.seat) {
            // The opponent's turn as the classic opponent makes it, kept in
            // the tree so the seat's later turns know what it saw.
            Action classic;
            if (!world.ClassicAction(classic)) {
                world.EndByNoMove();
                break;
            }
            world.Apply(classic);
            node = ChildFor(node, classic, mover);
            continue;
        }
        world.LegalActions(actions_, options_.capturesPerCard);
        if (actions_.empty()) {
            world.EndByNoMove();
            break;
        }
        const Action* chosen = nullptr;
        const int next = SelectChild(node, actions_, chosen);
        world.Apply(*chosen);
        if (next >= 0) {
            node = next;
            continue;
        }
        node = AddChild(node, *chosen, mover);
        break;
    }

    world.PlayOut();
    const OneBased<int, 2> points = world.Points();
    for (int n = node; n >= 0; n = tree_[static_cast<size_t>(n)].parent) {
        Node& at = tree_[static_cast<size_t>(n)];
        ++at.visits;
        if (n != 0)
            at.reward += (points[at.mover] - points[OtherSeat(at.mover)]) / MostPoints;
    }
}

std::uint64_t ThreadSeed(std::uint64_t seed, int thread) {
    return SplitMix(seed ^ (0xD1B54A32D192ED03ull * static_cast<std::uint64_t>(thread + 1))).Next();
}

ExpertChoice NoMove() {
    ExpertChoice choice;
    choice.noMove = true;
    return choice;
}

ExpertChoice ChoiceOf(const Action& action) {
    ExpertChoice choice;
    choice.handPlace = action.handPlace;
    choice.capture = PlaceSet::FromMask(action.take);
    choice.layOffPlace = action.layOffPlace;
    return choice;
}

} // namespace

bool MayBeginTurn(const GameState& state, Seat seat) {
    return !state.GameOver && state.BeginState == UnderWay && state.Mover == seat &&
           state.HandCount[seat] > 0 && state.Table[CaptureArea].IsEmpty();
}

ExpertChoice ExpertTurn(const GameState& state, Seat seat, const ExpertOptions& options) {
    if (!MayBeginTurn(state, seat))
        return NoMove();
    return ExpertDecide(ViewOf(state, seat), options);
}

ExpertChoice ExpertDecide(const PlayerView& view, const ExpertOptions& options,
                          SearchFigures* figures) {
    // The turns open at the root need no imagined world: the seat's own hand
    // and the table decide them.
    const Position known(view, view.unseen);
    std::vector<Action> open;
    known.LegalActions(open, options.capturesPerCard);
    if (figures != nullptr)
        *figures = {0, static_cast<int>(open.size())};
    if (open.empty())
        return NoMove();
    if (open.size() == 1)
        return ChoiceOf(open.front());

    const int threads = std::clamp(options.threads, 1, 64);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options.budgetMs);
    // With a time budget every root turn is still tried a few times.
    const long long leastRounds = 4 * static_cast<long long>(open.size());
    std::vector<Search> searches;
    searches.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        searches.emplace_back(view, options, ThreadSeed(options.seed, t));
    std::vector<long long> rounds(static_cast<size_t>(threads), 0);

    const auto run = [&](int t) {
        Search& search = searches[static_cast<size_t>(t)];
        long long& done = rounds[static_cast<size_t>(t)];
        if (options.playouts > 0) {
            const long long share =
                options.playouts / threads + (t < options.playouts % threads ? 1 : 0);
            for (; done < share; ++done)
                search.Round();
            return;
        }
        for (;; ++done) {
            if (done >= leastRounds && done % 8 == 0 &&
                std::chrono::steady_clock::now() >= deadline)
                break;
            search.Round();
        }
    };
    if (threads == 1) {
        run(0);
    } else {
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back(run, t);
        for (std::thread& worker : workers)
            worker.join();
    }

    std::map<std::uint32_t, std::pair<Action, long long>> visits;
    for (const Search& search : searches)
        search.RootVisits(visits);
    // The turn tried most; on equal counts the first by key, so the choice
    // never depends on the order the threads finished in.
    const Action* best = &open.front();
    long long most = -1;
    for (const auto& [key, entry] : visits) {
        if (entry.second > most) {
            most = entry.second;
            best = &entry.first;
        }
    }
    if (figures != nullptr)
        for (const long long r : rounds)
            figures->playouts += r;
    return ChoiceOf(*best);
}

std::vector<Move> MovesFor(const GameState& state, Seat seat, const ExpertChoice& choice) {
    if (choice.noMove || !MayBeginTurn(state, seat))
        return {};
    if (choice.capture.IsEmpty())
        return {Move::Play(choice.handPlace, choice.layOffPlace)};
    std::vector<Move> moves{Move::Play(choice.handPlace, CaptureArea)};
    choice.capture.ForEach([&](int place) { moves.push_back(Move::Toggle(place)); });
    moves.push_back(Move::Take());
    return moves;
}

} // namespace tavlira::engine
