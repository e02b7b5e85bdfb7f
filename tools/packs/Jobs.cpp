#include "Jobs.h"

#include <QBuffer>
#include <atomic>
#include <thread>

namespace tavlira {

QByteArray Png(const QImage& picture) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return data;
}

QByteArray Jpeg(const QImage& picture, int quality) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", quality);
    return data;
}

PackEntries RunJobs(const std::vector<std::function<PackEntries()>>& jobs, int threads) {
    std::vector<PackEntries> results(jobs.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t job = next++; job < jobs.size(); job = next++)
            results[job] = jobs[job]();
    };
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i)
        pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool)
        thread.join();
    PackEntries all;
    for (PackEntries& result : results)
        all.insert(all.end(), std::make_move_iterator(result.begin()),
                   std::make_move_iterator(result.end()));
    return all;
}

} // namespace tavlira
