// zarvelin-learn: fits the expert's learned race estimate to its own games.
//
//   zarvelin-learn play --games G --seed S [--network FILE] --out SAMPLES
//       plays the expert (with the network of FILE, or "none" for the formula
//       alone, or else the shipped one) against the standard computer
//       heads-up, seats alternated, and writes the board at the start of every
//       turn with whether the seat about to play went on to win;
//   zarvelin-learn fit [--hidden H] [--epochs E] --out FILE SAMPLES...
//       fits the network to the samples (a tenth held out to report on) and
//       writes its weights;
//   zarvelin-learn join --out FILE NETWORK...
//       writes one network whose estimate is the average of theirs (in log
//       odds): the units side by side, each output weight shared out.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "strategy/expert_player.h"
#include "strategy/race_estimate.h"
#include "tools/arena_match.h"
#include "tools/race_network_file.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: zarvelin-learn play --games G --seed S [--network FILE|none] --out SAMPLES\n"
                 "       zarvelin-learn fit [--hidden H] [--epochs E] --out FILE SAMPLES...\n"
                 "       zarvelin-learn join --out FILE NETWORK...\n");
    return 2;
}

struct sample {
    race_features f;
    float won;
};

struct pending {
    race_features f;
    int game;
    int seat;
};

// Counts the game lines written so far to a memory stream: the number of the
// game under way, and at the end each game's winner.
class game_counter {
public:
    game_counter() : out(open_memstream(&buffer, &size)) {}
    ~game_counter() {
        std::fclose(out);
        std::free(buffer);
    }
    std::FILE* stream() const { return out; }
    int finished() {
        std::fflush(out);
        for (; scanned < size; ++scanned)
            if (buffer[scanned] == '\n') ++games;
        return games;
    }
    std::vector<char> winners() {
        finished();
        std::vector<char> w;
        for (const char* p = buffer; (p = std::strstr(p, "winner ")); p += 7) w.push_back(p[7]);
        return w;
    }

private:
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out;
    std::size_t scanned = 0;
    int games = 0;
};

// Notes the board at the start of each of its seat's turns.
class recording_player final : public game_player {
public:
    recording_player(std::unique_ptr<game_player> inner, bool expert, std::vector<pending>& notes,
                     game_counter& counter)
        : inner(std::move(inner)), expert(expert), notes(notes), counter(counter) {}
    int wants_to_stop() override { return inner->wants_to_stop(); }
    int choose_column() override {
        const game_snapshot s = game_snapshot::take();
        if (s.markers[0].column == 0)
            notes.push_back({race_features_of(s, race_parameters{}, expert), counter.finished(), s.current_player});
        return inner->choose_column();
    }
    const char* name() override { return inner->name(); }

private:
    std::unique_ptr<game_player> inner;
    bool expert;
    std::vector<pending>& notes;
    game_counter& counter;
};

int play(std::uint32_t games, std::uint32_t seed, const char* network_path, const char* out_path) {
    race_network network;
    expert_parameters parameters;
    if (network_path && !network_option(network_path, network, parameters.race.learned)) return 1;
    std::vector<sample> samples;
    for (int expert_seat = 0; expert_seat < 2; ++expert_seat) {
        game_counter counter;
        std::vector<pending> notes;
        const player_maker make = [&](computer_level level) -> std::unique_ptr<game_player> {
            const bool expert = level == computer_level::expert;
            auto inner = expert ? std::make_unique<expert_player>(parameters) : make_computer_player(level);
            return std::make_unique<recording_player>(std::move(inner), expert, notes, counter);
        };
        arena_options options;
        options.games = games / 2;
        options.seed = seed + std::uint32_t(expert_seat);
        options.levels = {computer_level::standard, computer_level::standard};
        options.levels[std::size_t(expert_seat)] = computer_level::expert;
        run_match(options, counter.stream(), make);
        const std::vector<char> winners = counter.winners();
        for (const pending& n : notes) {
            if (n.game >= int(winners.size())) continue;
            samples.push_back({n.f, winners[std::size_t(n.game)] == char('A' + n.seat) ? 1.0f : 0.0f});
        }
    }
    std::FILE* out = std::fopen(out_path, "wb");
    if (!out) {
        std::perror(out_path);
        return 1;
    }
    std::fwrite(samples.data(), sizeof(sample), samples.size(), out);
    if (std::fclose(out) != 0) {
        std::perror(out_path);
        return 1;
    }
    std::fprintf(stderr, "%zu samples\n", samples.size());
    return 0;
}

double log_loss(double logit, float won) {
    // log(1 + e^-z) for a win, log(1 + e^z) for a loss, without overflow.
    const double z = won > 0.5f ? logit : -logit;
    return z > 0 ? std::log1p(std::exp(-z)) : -z + std::log1p(std::exp(z));
}

int fit(const std::vector<std::string>& inputs, int hidden, int epochs, const char* out_path) {
    std::vector<sample> samples;
    for (const std::string& path : inputs) {
        std::FILE* in = std::fopen(path.c_str(), "rb");
        if (!in) {
            std::perror(path.c_str());
            return 1;
        }
        sample s;
        while (std::fread(&s, sizeof s, 1, in) == 1) samples.push_back(s);
        std::fclose(in);
    }
    std::mt19937 rng(12345);
    std::shuffle(samples.begin(), samples.end(), rng);
    const std::size_t held = samples.size() / 10;
    const std::vector<sample> check(samples.begin(), samples.begin() + long(held));
    std::vector<sample> train(samples.begin() + long(held), samples.end());
    std::fprintf(stderr, "%zu to fit, %zu held out\n", train.size(), check.size());

    race_network net;
    net.hidden = hidden;
    const int n_params = hidden * race_inputs + hidden + hidden + 1;
    std::vector<double> params(std::size_t(n_params), 0.0), m(params), v(params), grad(params);
    std::normal_distribution<double> init(0.0, 1.0);
    for (int j = 0; j < hidden; ++j)
        for (int i = 0; i < race_inputs; ++i)
            params[std::size_t(j * race_inputs + i)] = init(rng) * std::sqrt(2.0 / race_inputs);
    const std::size_t b1 = std::size_t(hidden * race_inputs), w2 = b1 + std::size_t(hidden),
                      b2 = w2 + std::size_t(hidden);
    for (int j = 0; j < hidden; ++j) params[w2 + std::size_t(j)] = init(rng) * 0.1;
    // The formula's logit passes straight through at the start.
    const auto to_net = [&] {
        net.w1.assign(params.begin(), params.begin() + long(b1));
        net.b1.assign(params.begin() + long(b1), params.begin() + long(w2));
        net.w2.assign(params.begin() + long(w2), params.begin() + long(b2));
        net.b2 = float(params[b2]);
    };
    const auto report = [&](int epoch) {
        to_net();
        double loss = 0.0, formula = 0.0;
        for (const sample& s : check) {
            loss += log_loss(net.logit(s.f), s.won);
            formula += log_loss(s.f[46], s.won);
        }
        std::fprintf(stderr, "epoch %d: held-out loss %.5f (the formula's %.5f)\n", epoch, loss / double(check.size()),
                     formula / double(check.size()));
    };
    report(0);
    const int batch = 256;
    const double beta1 = 0.9, beta2 = 0.999, eps = 1e-8;
    long step = 0;
    std::vector<double> a(std::size_t(hidden), 0.0);
    std::uniform_int_distribution<int> coin(0, 1);
    for (int epoch = 1; epoch <= epochs; ++epoch) {
        const double rate = 2e-3 * std::pow(0.7, epoch - 1);
        std::shuffle(train.begin(), train.end(), rng);
        for (std::size_t start = 0; start + batch <= train.size(); start += batch) {
            std::fill(grad.begin(), grad.end(), 0.0);
            for (std::size_t k = start; k < start + batch; ++k) {
                const race_features f = coin(rng) ? mirrored(train[k].f) : train[k].f;
                double z = params[b2] + f[46];
                for (int j = 0; j < hidden; ++j) {
                    double s = params[b1 + std::size_t(j)];
                    for (int i = 0; i < race_inputs; ++i) s += params[std::size_t(j * race_inputs + i)] * f[std::size_t(i)];
                    a[std::size_t(j)] = s;
                    if (s > 0) z += params[w2 + std::size_t(j)] * s;
                }
                const double d = 1.0 / (1.0 + std::exp(-z)) - train[k].won;
                grad[b2] += d;
                for (int j = 0; j < hidden; ++j) {
                    if (a[std::size_t(j)] <= 0) continue;
                    grad[w2 + std::size_t(j)] += d * a[std::size_t(j)];
                    const double dj = d * params[w2 + std::size_t(j)];
                    grad[b1 + std::size_t(j)] += dj;
                    for (int i = 0; i < race_inputs; ++i) grad[std::size_t(j * race_inputs + i)] += dj * f[std::size_t(i)];
                }
            }
            ++step;
            for (std::size_t p = 0; p < params.size(); ++p) {
                const double g = grad[p] / batch;
                m[p] = beta1 * m[p] + (1 - beta1) * g;
                v[p] = beta2 * v[p] + (1 - beta2) * g * g;
                const double mh = m[p] / (1 - std::pow(beta1, double(step)));
                const double vh = v[p] / (1 - std::pow(beta2, double(step)));
                params[p] -= rate * mh / (std::sqrt(vh) + eps);
            }
        }
        report(epoch);
    }
    to_net();
    return write_race_network(out_path, net) ? 0 : 1;
}

int join(const std::vector<std::string>& inputs, const char* out_path) {
    std::vector<race_network> parts(inputs.size());
    for (std::size_t k = 0; k < inputs.size(); ++k)
        if (!read_race_network(inputs[k].c_str(), parts[k])) return 1;
    if (parts.empty()) return usage();
    race_network joined;
    const double k = double(parts.size());
    double b2 = 0.0;
    for (const race_network& n : parts) {
        joined.hidden += n.hidden;
        joined.w1.insert(joined.w1.end(), n.w1.begin(), n.w1.end());
        joined.b1.insert(joined.b1.end(), n.b1.begin(), n.b1.end());
        for (const float w : n.w2) joined.w2.push_back(float(double(w) / k));
        b2 += n.b2;
    }
    joined.b2 = float(b2 / k);
    return write_race_network(out_path, joined) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string mode = argv[1];
    std::uint32_t games = 2000, seed = 1;
    int hidden = 32, epochs = 8;
    const char* network = nullptr;
    const char* out = nullptr;
    std::vector<std::string> inputs;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const bool has_value = i + 1 < argc;
        if (option == "--games" && has_value)
            games = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
        else if (option == "--seed" && has_value)
            seed = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
        else if (option == "--hidden" && has_value)
            hidden = std::atoi(argv[++i]);
        else if (option == "--epochs" && has_value)
            epochs = std::atoi(argv[++i]);
        else if (option == "--network" && has_value)
            network = argv[++i];
        else if (option == "--out" && has_value)
            out = argv[++i];
        else
            inputs.push_back(option);
    }
    if (!out) return usage();
    if (mode == "play") return play(games, seed, network, out);
    if (mode == "fit") return fit(inputs, hidden, epochs, out);
    if (mode == "join") return join(inputs, out);
    return usage();
}
