// Telling a renderer that draws on the CPU from one with a GPU by its name.

#include "talvoren/softwarerenderer.h"

#include <gtest/gtest.h>

TEST(SoftwareRenderer, NamesOfMesasCpuRenderersAreSoftwareOthersAreNot)
{
    struct Case
    {
        const char* name;
        bool software;
    };
    const Case cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa swrast", true},
        {"LLVMPIPE", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
        {"AMD Radeon RX 580 (radeonsi, polaris10, LLVM 15.0.6)", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Talvoren::isSoftwareRendererName(c.name), c.software) << c.name;
}
