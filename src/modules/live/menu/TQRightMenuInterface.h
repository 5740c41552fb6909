#pragma once

// What the right menu asks of the class when one of its entries is clicked.
class TQRightMenuInterface
{
public:
    virtual ~TQRightMenuInterface() = default;
};
