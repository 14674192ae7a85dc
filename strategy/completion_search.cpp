#include "strategy/completion_search.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "strategy/dice_multiset.h"
#include "strategy/odds_sum.h"

float* completion_search::pwca_ = nullptr;
int completion_search::search_count_ = 0;

namespace {

constexpr float one_in_1296f = 0.000771604944f;
constexpr double one_in_1296 = 0.0007716049382716049;
constexpr int column_sets = 1 << 11;

int column_bit(int column) { return 1 << (column - 2); }

// Three-marker positions move the same in every context: their lists are kept
// for the run. The last search is destroyed with the program's static engine,
// possibly after this table: it must not touch the table then.
std::vector<move_lists>& three_marker_lists() {
    static std::vector<move_lists> lists(column_sets);
    return lists;
}

}  // namespace

struct completion_search::remembered_context {
    std::array<int, 11> context;
    std::vector<float> odds = std::vector<float>(182 * 182, not_computed);  // laid out as the table
    std::vector<move_lists> lists = std::vector<move_lists>(13 * 13);      // by the two marked columns, higher first
};

void completion_search::remember_for(const std::array<int, 11>& context, bool opening_values) {
    // Every game opens in the same context: what it came to is kept apart, for
    // the whole run, so each slot holds values of its own kind only.
    std::unique_ptr<remembered_context>& kept = opening_values ? remembered_opening : remembered_later;
    if (!kept) {
        kept = std::make_unique<remembered_context>();
    } else if (kept->context != context) {
        std::fill(kept->odds.begin(), kept->odds.end(), not_computed);
        for (move_lists& lists : kept->lists) lists.ready = false;
    }
    kept->context = context;
    remembered = kept.get();
}

namespace {

struct opening_value {
    int a, p, b, q;
    float odds;
};

// The odds of every position the first move of a turn can reach, with nothing claimed and no progress.
constexpr opening_value opening_values[] = {
    {0, 0, 0, 0, 0.308905f},   {2, 2, 0, 0, 0.554426f},   {3, 2, 0, 0, 0.294099f},   {4, 2, 0, 0, 0.321716f},
    {5, 2, 0, 0, 0.279411f},   {6, 2, 0, 0, 0.334719f},   {7, 2, 0, 0, 0.321663f},   {8, 2, 0, 0, 0.334719f},
    {9, 2, 0, 0, 0.279411f},   {10, 2, 0, 0, 0.321716f},  {11, 2, 0, 0, 0.294099f},  {12, 2, 0, 0, 0.554426f},
    {3, 1, 2, 1, 0.170858f},   {4, 1, 2, 1, 0.226162f},   {4, 1, 3, 1, 0.124081f},   {5, 1, 2, 1, 0.234376f},
    {5, 1, 3, 1, 0.12183f},    {5, 1, 4, 1, 0.163207f},   {6, 1, 2, 1, 0.330502f},   {6, 1, 3, 1, 0.201092f},
    {6, 1, 4, 1, 0.302694f},   {6, 1, 5, 1, 0.23876f},    {7, 1, 2, 1, 0.346886f},   {7, 1, 3, 1, 0.253651f},
    {7, 1, 4, 1, 0.286267f},   {7, 1, 5, 1, 0.289461f},   {7, 1, 6, 1, 0.328262f},   {8, 1, 2, 1, 0.355864f},
    {8, 1, 3, 1, 0.255848f},   {8, 1, 4, 1, 0.31798f},    {8, 1, 5, 1, 0.296422f},   {8, 1, 6, 1, 0.346244f},
    {8, 1, 7, 1, 0.328262f},   {9, 1, 2, 1, 0.256048f},   {9, 1, 3, 1, 0.184508f},   {9, 1, 4, 1, 0.251088f},
    {9, 1, 5, 1, 0.188625f},   {9, 1, 6, 1, 0.296422f},   {9, 1, 7, 1, 0.289461f},   {9, 1, 8, 1, 0.23876f},
    {10, 1, 2, 1, 0.255162f},  {10, 1, 3, 1, 0.188323f},  {10, 1, 4, 1, 0.277516f},  {10, 1, 5, 1, 0.251088f},
    {10, 1, 6, 1, 0.31798f},   {10, 1, 7, 1, 0.286267f},  {10, 1, 8, 1, 0.302694f},  {10, 1, 9, 1, 0.163207f},
    {11, 1, 2, 1, 0.195203f},  {11, 1, 3, 1, 0.125907f},  {11, 1, 4, 1, 0.188323f},  {11, 1, 5, 1, 0.184508f},
    {11, 1, 6, 1, 0.255849f},  {11, 1, 7, 1, 0.253652f},  {11, 1, 8, 1, 0.201092f},  {11, 1, 9, 1, 0.121829f},
    {11, 1, 10, 1, 0.124081f}, {12, 1, 2, 1, 0.251178f},  {12, 1, 3, 1, 0.195203f},  {12, 1, 4, 1, 0.255162f},
    {12, 1, 5, 1, 0.256048f},  {12, 1, 6, 1, 0.355864f},  {12, 1, 7, 1, 0.346886f},  {12, 1, 8, 1, 0.330502f},
    {12, 1, 9, 1, 0.234376f},  {12, 1, 10, 1, 0.226162f}, {12, 1, 11, 1, 0.170858f},
};

// The markers highest column first, free slots last.
marker_array sorted(marker_array m) {
    const auto higher = [](const snapshot_marker& x, const snapshot_marker& y) {
        return x.column > y.column;
    };
    if (higher(m[1], m[0])) std::swap(m[0], m[1]);
    if (higher(m[2], m[1])) std::swap(m[1], m[2]);
    if (higher(m[1], m[0])) std::swap(m[0], m[1]);
    return m;
}

int used_slots(const marker_array& m) {
    int n = 0;
    while (n < 3 && m[n].column != 0) ++n;
    return n;
}

int column_set(const marker_array& m) {
    int set = 0;
    for (int i = 0; i < used_slots(m); ++i) set |= column_bit(m[i].column);
    return set;
}

}  // namespace

int completion_search::marker_code(int column, int position) {
    return column <= 7 ? 16 * (column - 2) + position : 16 * (column - 8) + (15 - position);
}

completion_search::completion_search(const game_snapshot& s)
    : two_marker_table(182 * 182), fused_sums(has_fused_multiply_add()) {
    if (search_count_++ == 0) {
        pwca_ = new float[pwca_cells];
        build_pwca(*this, s);
    } else {
        reset_tables(s);
    }
}

completion_search::~completion_search() {
    if (--search_count_ == 0) {
        delete[] pwca_;
        pwca_ = nullptr;
    }
}

void completion_search::build_pwca(completion_search& first, const game_snapshot& s) {
    std::fill(pwca_, pwca_ + pwca_cells, no_position);
    for (int A = 2; A <= 12; ++A) {
        for (int a = 0; a <= height_of(A); ++a) {
            for (int B = 2; B < A; ++B) {
                for (int b = 0; b <= height_of(B); ++b) {
                    for (int C = 2; C < B; ++C) {
                        for (int c = 0; c <= height_of(C); ++c) {
                            float& cell = first.cell_of({{{A, a}, {B, b}, {C, c}}});
                            if (cell != no_position) {
                                std::printf("Error in pwca %d %d %d %d %d %d \n", A, a, B, b, C, c);
                                std::fputs("Hit Enter to continue:", stdout);
                                std::fflush(stdout);
                                char line[81];
                                if (std::fgets(line, sizeof line, stdin) == nullptr) line[0] = 0;
                            }
                            const bool topped = a == height_of(A) || b == height_of(B) || c == height_of(C);
                            cell = topped ? 1.0f : not_computed;
                        }
                    }
                }
            }
        }
    }
    first.reset_tables(s);
}

std::array<int, 11> completion_search::expected_context(const game_snapshot& s) const {
    std::array<int, 11> context{};
    if (s.seats == 0) return context;
    for (int c = 2; c <= 12; ++c) context[c - 2] = s.is_column_claimed(c) ? height_of(c) : s.own_progress(c);
    return context;
}

void completion_search::reset_tables(const game_snapshot& s, bool with_opening_values) {
    // The fresh table is the same every time: filled once, copied after.
    static const std::vector<float> fresh = [] {
        std::vector<float> table(182 * 182);  // cells never used stay as allocated
        for (int a = 0; a <= 12; ++a)
            for (int p = 0; p <= 13; ++p)
                for (int b = 0; b <= a; ++b)
                    for (int q = 0; q <= 13; ++q) {
                        const bool topped = (a >= 2 && p == height_of(a)) || (b >= 2 && q == height_of(b));
                        table[std::size_t((14 * a + p) * 182 + 14 * b + q)] = topped ? 1.0f : not_computed;
                    }
        return table;
    }();
    std::copy(fresh.begin(), fresh.end(), two_marker_table.begin());
    context_ = expected_context(s);
    for (int c = 2; c <= 12; ++c) own_progress[c] = context_[c - 2];
    const bool all_zero = std::all_of(context_.begin(), context_.end(), [](int v) { return v == 0; });
    if (all_zero && with_opening_values) write_opening_values();
    remember_for(context_, all_zero && with_opening_values);
}

void completion_search::write_opening_values() {
    for (const auto& v : opening_values)
        two_marker_table[std::size_t((14 * v.a + v.p) * 182 + 14 * v.b + v.q)] = v.odds;
}

void completion_search::refresh_context(const game_snapshot& s) {
    // With all three markers out only the shared table is consulted, and it holds in every context.
    if (s.markers[2].column != 0) return;
    if (expected_context(s) != context_) reset_tables(s);
}

float& completion_search::cell_of(const marker_array& markers) {
    const marker_array m = sorted(markers);
    if (m[2].column == 0)
        return two_marker_table[std::size_t((14 * m[0].column + m[0].position) * 182 + 14 * m[1].column +
                                            m[1].position)];
    return pwca_[9216 * marker_code(m[0].column, m[0].position) +
                 96 * marker_code(m[1].column, m[1].position) + marker_code(m[2].column, m[2].position)];
}

// The table's cell, computed if need be: the three-marker table holds for the
// run already, a two-marker cell may have been computed in this context before.
float completion_search::odds_of(const marker_array& markers) {
    float& cell = cell_of(markers);
    if (cell != not_computed) return cell;
    if (markers[2].column != 0) return cell = evaluate(markers);
    float& kept = remembered->odds[std::size_t(&cell - two_marker_table.data())];
    if (kept == not_computed) kept = evaluate(markers);
    return cell = kept;
}

float completion_search::completion_odds(const game_snapshot& s) { return odds_of(s.markers); }

const move_lists& completion_search::lists_for(const marker_array& markers) {
    const bool shared = markers[2].column != 0;
    const marker_array ranked = sorted(markers);
    move_lists& lists = shared ? three_marker_lists()[std::size_t(column_set(markers))]
                               : remembered->lists[std::size_t(13 * ranked[0].column + ranked[1].column)];
    if (!lists.ready) {
        // A stand-in position of the same marked columns, each marker one square up.
        game_snapshot stand_in;
        stand_in.seats = 1;
        for (int c = 2; c <= 12; ++c) stand_in.progress[0][c] = shared ? 0 : own_progress[c];
        for (int i = 0; i < used_slots(markers); ++i) {
            const int c = markers[i].column;
            stand_in.markers[i] = {c, stand_in.progress[0][c] + 1};
        }
        list_moves_of(stand_in, lists);
        lists.targets.clear();
        for (const choice& move : lists.distinct) lists.targets.push_back(target_of(ranked, move));
    }
    return lists;
}

// The cell a move leads to from markers on these columns (ranked highest first),
// played as value_after plays it, worked out once per list so that evaluating
// a position finds the cells of its moves by a little arithmetic.
move_target completion_search::target_of(const marker_array& ranked, const choice& move) const {
    struct placed {
        int column;
        int rank;    // in `ranked`, -1 for a column the move enters
        int square;  // steps up for a marked column, the square reached for an entered one
    };
    std::array<placed, 3> after{};
    int n = used_slots(ranked);
    for (int r = 0; r < n; ++r) after[std::size_t(r)] = {ranked[std::size_t(r)].column, r, 0};
    move_target target;
    for (int step = 0; step < 2; ++step) {
        const int column = int(step == 0 ? move.first : move.second);
        if (column == 0) continue;
        int k = 0;
        while (k < n && after[std::size_t(k)].column != column) ++k;
        if (k == n) {
            after[std::size_t(n++)] = {column, -1, own_progress[std::size_t(column)] + 1};
            continue;
        }
        placed& p = after[std::size_t(k)];
        ++p.square;
        if (step == 1 && move.first == move.second && p.rank >= 0) {
            target.double_rank = p.rank;
            target.double_last = height_of(column) - 2;
        }
    }
    for (int i = 1; i < n; ++i)  // highest column first
        for (int j = i; j > 0 && after[std::size_t(j - 1)].column < after[std::size_t(j)].column; --j)
            std::swap(after[std::size_t(j - 1)], after[std::size_t(j)]);
    target.three_markers = n == 3;
    static constexpr int three_weight[3] = {9216, 96, 1};
    static constexpr int two_weight[3] = {182, 1, 0};
    for (int r = 0; r < n; ++r) {
        const placed& p = after[std::size_t(r)];
        const int weight = target.three_markers ? three_weight[r] : two_weight[r];
        // The cell index counts a marker as offset + sign x square.
        int offset = 14 * p.column;
        int sign = 1;
        if (target.three_markers) {
            offset = marker_code(p.column, 0);
            sign = p.column <= 7 ? 1 : -1;
        }
        if (p.rank >= 0) target.per[std::size_t(p.rank)] = weight * sign;
        target.base += weight * (offset + sign * p.square);
    }
    return target;
}

// The position after a listed move, played as make_move would on these markers.
float completion_search::value_after(const marker_array& markers, const choice& move) {
    marker_array m = markers;
    for (int step = 0; step < 2; ++step) {
        const int column = int(step == 0 ? move.first : move.second);
        if (column == 0) continue;
        int slot = 0;
        while (m[slot].column != column && m[slot].column != 0) ++slot;
        const bool second_of_double = step == 1 && move.first == move.second;
        if (m[slot].column != column) {
            m[slot] = {column, own_progress[std::size_t(column)] + 1};
        } else if (!second_of_double || markers[slot].position + 2 <= height_of(column)) {
            ++m[slot].position;
        }
        // else: the second step of a double that would pass the top, listed as a single here
    }
    return odds_of(m);
}

// The odds of a position not yet in the table: each roll takes the move with
// the best odds, summed in 32-bit floats exactly as the rolls come.
float completion_search::evaluate(const marker_array& markers) {
    const move_lists& lists = lists_for(markers);
    const marker_array ranked = sorted(markers);
    const int squares[3] = {ranked[0].position, ranked[1].position, ranked[2].position};
    std::array<float, 96> after;
    for (std::size_t j = 0; j < lists.distinct.size(); ++j) {
        // Read the cell the move leads to; only a cell still to compute needs the position itself.
        const move_target& t = lists.targets[j];
        int cell = t.base + t.per[0] * squares[0] + t.per[1] * squares[1] + t.per[2] * squares[2];
        if (t.double_rank >= 0 && squares[t.double_rank] > t.double_last) cell -= t.per[std::size_t(t.double_rank)];
        const float v = (t.three_markers ? pwca_ : two_marker_table.data())[cell];
        after[j] = v != not_computed ? v : value_after(markers, lists.distinct[j]);
    }
    return best_odds_sum(lists.rolls, after.data(), fused_sums) * one_in_1296f;
}

int completion_search::pick(game_snapshot& q) {
    if (q.choice_count == 1) return 0;
    float best = -1.0f;
    int k = 0;
    for (int i = 0; i < q.choice_count; ++i) {
        q.make_move(i);
        const float v = completion_odds(q);
        q.unmake_move(i);
        if (v > best) {
            best = v;
            k = i;
        }
    }
    return k;
}

struct completion_search::played_moves {
    const move_lists* lists = nullptr;
    std::array<choice, 96> moves;     // the distinct moves as the position plays them
    std::array<double, 96> progress;  // the turn's progress after each
    std::array<float, 96> odds;       // the odds after each, not_computed until asked
};

// The lists of the position's marked columns serve every roll of it while each
// marked column stays open: a listed double that would pass the top is played
// as a single, as the position lists it. (A topped marker among three closes
// its column, which the context-free three-marker lists cannot know.)
bool completion_search::play_listed_moves(const game_snapshot& s, played_moves& played) {
    if (s.markers[2].column != 0 && topped_markers(s) > 0) return false;
    played.lists = &lists_for(s.markers);
    game_snapshot q = s;
    for (std::size_t j = 0; j < played.lists->distinct.size(); ++j) {
        choice move = played.lists->distinct[j];
        if (move.first == move.second) {
            const auto& m = s.markers[std::size_t(s.marker_slot(int(move.first)))];
            if (m.column == int(move.first) && m.position + 2 > height_of(m.column)) move.second = 0;
        }
        q.choices[0] = move;
        q.make_move(0);
        played.progress[j] = turn_progress(q);
        q.unmake_move(0);
        played.moves[j] = move;
        played.odds[j] = not_computed;
    }
    return true;
}

double completion_search::guided_gain(const game_snapshot& s) {
    return guided_gain_until(s, std::numeric_limits<double>::infinity());
}

// As greedy_gain_until: the sum only grows, so past the bound the rest of the rolls cannot matter.
double completion_search::guided_gain_until(const game_snapshot& s, double bound) {
    const double before = turn_progress(s);
    game_snapshot q = s;
    double total = 0.0;
    played_moves played;
    if (play_listed_moves(s, played)) {
        // pick's choice, each move's odds read once for all the rolls that offer it
        const auto odds_after = [&](int j) {
            float& odds = played.odds[std::size_t(j)];
            if (odds == not_computed) {
                q.choices[0] = played.moves[std::size_t(j)];
                q.make_move(0);
                odds = completion_odds(q);
                q.unmake_move(0);
            }
            return odds;
        };
        for (const roll_moves& roll : played.lists->rolls) {
            int k = 0;
            if (roll.count > 1) {
                float best = -1.0f;
                for (int i = 0; i < roll.count; ++i) {
                    const float v = odds_after(roll.moves[std::size_t(i)]);
                    if (v > best) {
                        best = v;
                        k = i;
                    }
                }
            }
            total += double(roll.weight) * played.progress[roll.moves[std::size_t(k)]];
            if (total * one_in_1296 - before > bound) break;
        }
        return total * one_in_1296 - before;
    }
    const choice_lister lister(q);
    for (const auto& roll : all_rolls()) {
        lister.list(q, roll.dice);
        if (q.choice_count == 0) continue;
        const int k = pick(q);
        q.make_move(k);
        total += double(roll.weight) * turn_progress(q);
        q.unmake_move(k);
        if (total * one_in_1296 - before > bound) break;
    }
    return total * one_in_1296 - before;
}

double completion_search::greedy_until(const game_snapshot& s, double bound) {
    refresh_context(s);
    played_moves played;
    if (!play_listed_moves(s, played)) return greedy_gain_until(s, bound);
    const double before = turn_progress(s);
    double total = 0.0;
    for (const roll_moves& roll : played.lists->rolls) {
        double best = 0.0;
        for (int i = 0; i < roll.count; ++i) {
            const double t = played.progress[roll.moves[std::size_t(i)]];
            if (best < t) best = t;
        }
        total += double(roll.weight) * best;
        if (total * one_in_1296 - before > bound) break;
    }
    return total * one_in_1296 - before;
}

void completion_search::reopen_topped(game_snapshot& s) {
    for (auto& m : s.markers) {
        if (m.column == 0) break;
        if (m.position == height_of(m.column)) {
            m.position = 1;
            s.progress[s.current_player][m.column] = 0;
        }
    }
}

int completion_search::best_choice(const game_snapshot& s) {
    game_snapshot q = s;
    reopen_topped(q);
    refresh_context(q);
    return pick(q);
}

float completion_search::odds(const game_snapshot& s) {
    refresh_context(s);
    return completion_odds(s);
}

double completion_search::guided(const game_snapshot& s) {
    refresh_context(s);
    return guided_gain(s);
}

double completion_search::guided_until(const game_snapshot& s, double bound) {
    refresh_context(s);
    return guided_gain_until(s, bound);
}
