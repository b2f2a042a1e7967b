#pragma once
// A vertex or index buffer in device memory; released when destroyed.
class GpuBuffer {
public:
    explicit GpuBuffer(unsigned int name, unsigned int bytes) : name_(name), bytes_(bytes) {}
    ~GpuBuffer();
    GpuBuffer(const GpuBuffer&) = delete;
    GpuBuffer& operator=(const GpuBuffer&) = delete;
    unsigned int name() const { return name_; }
    unsigned int bytes() const { return bytes_; }

    // For a vertex buffer: the vertex array describing it for drawing (0 until its first
    // draw) and the index buffer bound in it. Released with the buffer.
    mutable unsigned int vertexArray = 0;
    mutable unsigned int vertexArrayIndices = 0;

private:
    unsigned int name_;
    unsigned int bytes_;
};
