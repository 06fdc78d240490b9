// SPDX-License-Identifier: GPL-3.0-or-later
// For the cases that a fault would hang (a pipe opened without O_NONBLOCK
// waits for a writer forever): past its delay the test program stops with
// the case's name, so that the run fails instead of freezing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace tramonta::test {

class TChienDeGarde {
  public:
    explicit TChienDeGarde(std::string cas, std::chrono::milliseconds delai = std::chrono::seconds(1))
        : cas_(std::move(cas)) {
        veilleur_ = std::thread([this, delai] {
            std::unique_lock<std::mutex> verrou(mutex_);
            if (!condition_.wait_for(verrou, delai, [this] { return fini_; })) {
                std::fprintf(stderr, "Bloqué plus de %lld ms : %s\n", static_cast<long long>(delai.count()),
                             cas_.c_str());
                std::abort();
            }
        });
    }
    ~TChienDeGarde() {
        {
            std::lock_guard<std::mutex> verrou(mutex_);
            fini_ = true;
        }
        condition_.notify_one();
        veilleur_.join();
    }
    TChienDeGarde(const TChienDeGarde&) = delete;
    TChienDeGarde& operator=(const TChienDeGarde&) = delete;

  private:
    std::string cas_;
    std::mutex mutex_;
    std::condition_variable condition_;
    bool fini_ = false;
    std::thread veilleur_;
};

} // namespace tramonta::test
