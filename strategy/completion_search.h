// The look-ahead: the exact chance of bringing a temporary marker to the top of
// its column this turn, cached in a per-player table for positions with at most
// two markers (valid for one context) and a shared table for three markers.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "strategy/game_snapshot.h"
#include "strategy/move_lists.h"

using marker_array = std::array<snapshot_marker, 3>;

class completion_search {
public:
    explicit completion_search(const game_snapshot& s);
    ~completion_search();
    completion_search(const completion_search&) = delete;
    completion_search& operator=(const completion_search&) = delete;

    // Entry points for the player: each brings the context up to date first.
    float odds(const game_snapshot& s);
    double guided(const game_snapshot& s);
    int best_choice(const game_snapshot& s);
    // The guided gain, or a figure above `bound` once the sum shows the gain is (see greedy_gain_until).
    double guided_until(const game_snapshot& s, double bound);
    // greedy_gain_until's figure, read from the look-ahead's move lists.
    double greedy_until(const game_snapshot& s, double bound);

    float completion_odds(const game_snapshot& s);
    double guided_gain(const game_snapshot& s);
    double guided_gain_until(const game_snapshot& s, double bound);
    void refresh_context(const game_snapshot& s);
    // Without the opening values only to recompute them.
    void reset_tables(const game_snapshot& s, bool with_opening_values = true);
    static void reopen_topped(game_snapshot& s);

    static constexpr float not_computed = -99.0f;
    static constexpr float no_position = -88.0f;
    static constexpr int pwca_cells = 96 * 96 * 96;
    static int marker_code(int column, int position);
    static int search_count() { return search_count_; }
    static const float* pwca() { return pwca_; }

    const std::array<int, 11>& context() const { return context_; }
    float two_marker_cell(int a, int p, int b, int q) const {
        return two_marker_table[std::size_t((14 * a + p) * 182 + 14 * b + q)];
    }

private:
    static void build_pwca(completion_search& first, const game_snapshot& s);
    std::array<int, 11> expected_context(const game_snapshot& s) const;
    void write_opening_values();
    float& cell_of(const marker_array& markers);
    float odds_of(const marker_array& markers);
    float evaluate(const marker_array& markers);
    float value_after(const marker_array& markers, const choice& move);
    const move_lists& lists_for(const marker_array& markers);
    move_target target_of(const marker_array& ranked, const choice& move) const;
    int pick(game_snapshot& q);
    // The moves of `s`'s lists as `s` plays them, with the turn's progress after each, when the lists hold for `s`.
    struct played_moves;
    bool play_listed_moves(const game_snapshot& s, played_moves& played);

    std::vector<float> two_marker_table;  // 182 x 182
    bool fused_sums;                      // the processor multiplies and adds in one rounding
    std::array<int, 11> context_{};
    std::array<int, 13> own_progress{};     // the context's progress, for markers entering a column
    // What this context's searches came to so far, kept across resets while the
    // context stays (a reset within one context, as each decision of a turn
    // makes, takes its odds and move lists from there instead of searching them
    // again); the opening context's, which each game starts in, kept apart for
    // good. The search's own: no other search or player shares them.
    struct remembered_context;
    void remember_for(const std::array<int, 11>& context, bool opening_values);
    std::unique_ptr<remembered_context> remembered_opening, remembered_later;
    remembered_context* remembered = nullptr;  // the one of the current context

    static float* pwca_;
    static int search_count_;
};
