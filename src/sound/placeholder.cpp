namespace sound {}
