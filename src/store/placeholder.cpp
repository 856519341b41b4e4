namespace store {}
