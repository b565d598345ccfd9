#pragma once
// A queue of demultiplexed packets between the player's read loop and one consumer. A node may
// carry the flush marker instead of a packet: the consumer resets its decoder when it takes it.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

struct AVPacket;

class TPacketQueue {
public:
    TPacketQueue() = default;
    ~TPacketQueue();
    TPacketQueue(const TPacketQueue&) = delete;
    TPacketQueue& operator=(const TPacketQueue&) = delete;

    // Empties the queue and clears the abort request, ready for a new consumer.
    void Init();
    // Frees every queued packet; an abort request stays.
    void Flush();
    // Takes over the packet's reference (the packet is left blank). 0, or -1 without memory.
    int Put(AVPacket* pkt);
    // Queues the flush marker.
    int PutFlush();
    // Wakes a waiting consumer for good: Get returns -1 from now on.
    void Abort();
    bool Aborted() const;
    // 1: a packet moved into pkt (or the flush marker, *flush then true); 0: none and not
    // blocking; -1: aborted.
    int Get(AVPacket* pkt, bool* flush, bool block);

    int NbPackets() const;
    // Bytes held: the packets' data plus a node per packet.
    int Size() const;

private:
    struct Node {
        AVPacket* pkt = nullptr;  // none for the flush marker
        Node* next = nullptr;
    };
    int Append(Node* node, int bytes);
    void FreeNodes();

    Node* first_ = nullptr;
    Node* last_ = nullptr;
    int nbPackets_ = 0;
    int size_ = 0;
    std::atomic<bool> abortRequest_{false};
    mutable std::mutex mutex_;
    std::condition_variable cond_;
};
