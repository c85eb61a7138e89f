#include "RecordingResponder.h"
#include "SimSerialAdapter.h"

#include "platform/comm.h"
#include "tqLink/I2CLink.h"
#include "tqLink/TQLinkSerial.h"

#include <gtest/gtest.h>

namespace {

class SerialFacadeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CommSetPortPath("COM1", adapter.PortPath());
        SetUiResponder(&boxes);
        boxes.texts.clear();
        savedTimeout = g_serialLink.SetTimeout(400);
        g_pLink->SetTransport(LinkSerial);
    }

    void TearDown() override
    {
        g_pLink->SetTransport(LinkUsb);
        g_serialLink.Close();
        g_serialLink.SetTimeout(savedTimeout);
        SetUiResponder(nullptr);
        CommSetPortPath("COM1", "");
    }

    SimSerialAdapter adapter;
    RecordingResponder boxes;
    int savedTimeout = 0;
};

TEST_F(SerialFacadeTest, TransportZeroCarriesTheCallsToTheSerialAdapter)
{
    ASSERT_EQ(g_pLink->Connect(), 1);
    EXPECT_EQ(adapter.TakeFrames(), (std::vector<Bytes>{{0x10, 0x30, 0x00, 0x40}}));

    // A block at a slave is one byte on this adapter.
    adapter.Script({SimSerialAdapter::Ack({0x5C})});
    u8 block[3] = {0xEE, 0xEE, 0xEE};
    EXPECT_EQ(g_pLink->ReadBlock8(0x1A, 0x00, 3, block), 0);
    EXPECT_EQ(Bytes(block, block + 3), (Bytes{0x5C, 0xEE, 0xEE}));

    adapter.Script({SimSerialAdapter::Ack({0x5C})});
    EXPECT_EQ(g_pLink->Modify8(0x1A, 0x10, 0x0A, 0xF0), 0);

    // The facade's 16-bit count reaches the adapter as its low byte.
    adapter.Script({SimSerialAdapter::Ack({0x01, 0x02})});
    u8 regs[2] = {};
    EXPECT_EQ(g_pLink->ReadRegBlock8(0x05, 0x0102, regs), 0);
    EXPECT_EQ(Bytes(regs, regs + 2), (Bytes{0x01, 0x02}));

    const std::vector<Bytes> expected = {
        {0x10, 0x66, 0x04, 0x80, 0x01, 0x1A, 0x00, 0x15},
        {0x10, 0x66, 0x04, 0x80, 0x01, 0x1A, 0x10, 0x25},
        {0x10, 0x67, 0x05, 0x80, 0x01, 0x1A, 0x10, 0x5A, 0x81},
        {0x10, 0x50, 0x02, 0x05, 0x02, 0x69},
    };
    EXPECT_EQ(adapter.TakeFrames(), expected);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SerialFacadeTest, SixteenBitSlaveTransfersFailWithoutATransfer)
{
    ASSERT_EQ(g_pLink->Connect(), 1);
    adapter.TakeFrames();
    u8 out = 0x5A;
    EXPECT_NE(g_pLink->Read16(0x1A, 0x1234, &out), 0);
    EXPECT_NE(g_pLink->ReadBlock16(0x1A, 0x1234, 2, &out), 0);
    EXPECT_NE(g_pLink->Write16(0x1A, 0x1234, 0x56), 0);
    EXPECT_EQ(g_pLink->Modify16(0x1A, 0x1234, 0x0A, 0xF0), 1);
    EXPECT_EQ(out, 0x5A);
    u8 ignored = 0;
    ASSERT_EQ(g_pLink->AuxRead1(0x07, &ignored), 0);
    EXPECT_EQ(adapter.TakeFrames(), (std::vector<Bytes>{{0x10, 0x62, 0x01, 0x07, 0x7A}}));
}

TEST_F(SerialFacadeTest, TransfersFailWhileTheAdapterIsNotConnected)
{
    CommSetPortPath("COM1", "/nonexistent/tty");
    EXPECT_EQ(g_pLink->Connect(), LinkPortFailed);
    u8 out = 0x5A;
    EXPECT_NE(g_pLink->Read8(0x1A, 0x00, &out), 0);
    EXPECT_NE(g_pLink->ReadReg8(0x00, &out), 0);
    EXPECT_EQ(g_pLink->ModifyReg8(0x00, 0x0A, 0xF0), 1);
    EXPECT_EQ(out, 0x5A);
    EXPECT_TRUE(boxes.texts.empty());
}

} // namespace
